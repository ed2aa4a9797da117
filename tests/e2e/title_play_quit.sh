#!/usr/bin/env bash
# A built game as a player meets it, fullscreen on a 1600 x 900 screen: the title, a name typed and play started in
# magenta, then Escape twice quits, silently. For the builds the suite does not build itself (Windows, portable).
#   title_play_quit.sh fonts   with a Japanese and a Latin face: every text shows
#   title_play_quit.sh none    with no font at all: no text shows, the game still runs
source "$(dirname "$0")/lib.sh"
mode="$1"

# INK_LEAST INK_MOST: all 18 swatches and that much ink in the name; with fonts the title's outline and the
# Japanese prompt (a Latin face's empty boxes ink less than half as much), without them neither.
title() {
  read_title && [ "$SHOWN" -eq 18 ] && [ "$INK" -ge "$1" ] && [ "$INK" -le "$2" ] || return 1
  if [ "$mode" = fonts ]; then [ "$OUTLINE" -gt 500 ] && [ "$PROMPT" -gt 250 ]; else [ "$OUTLINE" -le 200 ] && [ "$PROMPT" -eq 0 ]; fi
}
start_game 1600x900x24
xdotool mousemove $((W / 2)) 200
if [ "$mode" = fonts ]; then eventually title title 1200 999999; else eventually title title 0 0; fi
# An empty name cannot start play, so play proves that the typing arrived.
xdotool key --delay 60 BackSpace BackSpace BackSpace
eventually erased title 0 0
xdotool type --delay 60 Kai
xdotool key --delay 60 Right Right Return
eventually play in_play
if [ "$mode" = fonts ]; then
  expect_pixels "cyan score" 150 999999 30 30 260 60 'r < 60 && g > 200 && b > 200'
  expect_pixels "gold high score" 150 999999 $((W - 380)) 30 355 60 'r > 200 && g > 160 && g < 240 && b < 60'
  expect_pixels "yellow board title" 150 999999 $((W - 270)) 130 140 35 'r > 230 && g > 230 && b < 40'
fi
xdotool key Escape sleep 0.3 key Escape
expect_clean_exit
echo "title, play and quit ($mode): ok"
