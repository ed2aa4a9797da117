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
expect_clean_exit 1
