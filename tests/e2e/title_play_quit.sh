#!/usr/bin/env bash
# A built game as a player meets it, fullscreen on a 1600 x 900 screen: the title, a name typed and play started in
# magenta, then Escape twice quits, silently. For the builds the suite does not build itself (Windows, portable).
#   title_play_quit.sh fonts   with a Japanese and a Latin face: every text shows
#   title_play_quit.sh none    with no font at all: no text shows, the game still runs
source "$(dirname "$0")/lib.sh"
if [ "$1" = fonts ]; then least=1200 most=999999; else NO_FONTS=1 least=0 most=0; fi

start_game 1600x900x24
xdotool mousemove $((W / 2)) 200
eventually title title_shown $least $most
# An empty name cannot start play, so play proves that the typing arrived.
xdotool key --delay 60 BackSpace BackSpace BackSpace
eventually erased title_shown 0 0
xdotool type --delay 60 Kai
xdotool key --delay 60 Right Right Return
eventually play in_play
hud_shown || fail "play: $WHY"
xdotool key Escape sleep 0.3 key Escape
expect_clean_exit
echo "title, play and quit ($1): ok"
