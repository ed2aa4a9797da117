#!/usr/bin/env bash
# The machine stalls the game for ten seconds in the middle of play: it
# comes back, plays on, answers the keys and quits cleanly and silently.
# (That the stalled frame runs 15 steps and then real time follows is
# counted by the frame loop's own tests.)
source "$(dirname "$0")/lib.sh"

# changed_pixels A B: how many pixels differ between two screenshots.
changed_pixels() {
  compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true
}

start_game 1280x720x24
xdotool mousemove 900 360 key Return
sleep 1
shot before

kill -STOP "$GAME_PID"
sleep 10
kill -CONT "$GAME_PID"
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the game died after the stall"
shot after
sleep 0.5
shot later
# Play goes on: the world moves between frames after the stall.
[ "$(changed_pixels "$WORK/after.png" "$WORK/later.png")" -gt 1000 ] || fail "the world stands still after the stall"
[ "$(changed_pixels "$WORK/before.png" "$WORK/after.png")" -gt 1000 ] || fail "the stall froze the picture"

xdotool key Escape
sleep 0.5
xdotool key Escape
expect_clean_exit
echo "stall: ok"
