#!/usr/bin/env bash
# X errors the game can go on after leave it going, silently: here a window manager died and left its check window
# named on the root, which the windowing library then asks after. Losing the display ends the game at once, with a
# status that says so and nothing on the console.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"

start_xvfb 1280x720x24
start_window_manager openbox
kill -9 $DESKTOP_PIDS
launch_game 1280x720
eventually title read_title
press Return
eventually play board_and_map
stop_xvfb
timeout 5 tail -s 0.05 --pid="$GAME_PID" -f /dev/null || fail "the game outlived its display"
status=0 && wait "$GAME_PID" || status=$?
GAME_PID=""
[ "$status" -ne 0 ] || fail "exit status 0 without a display"
[ ! -s "$WORK/stdout" ] && [ ! -s "$WORK/stderr" ] || fail "console: $(head -c 300 "$WORK"/std*)"
