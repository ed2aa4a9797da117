#!/usr/bin/env bash
# The window is closed while the game is held up, so the close arrives in a
# frame that catches up with several steps: the frame finishes and the game
# exits with status 0, silently.
source "$(dirname "$0")/lib.sh"

start_game 1280x720x24
xdotool mousemove 900 360 key Return
sleep 1

kill -STOP "$GAME_PID"
close_like_wm
sleep 1
kill -CONT "$GAME_PID"
expect_clean_exit
echo "close in a catch-up frame: ok"
