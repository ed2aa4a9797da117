#!/usr/bin/env bash
# The game fills the screen with its window and closes cleanly when the
# window manager asks it to.
source "$(dirname "$0")/lib.sh"

start_game 1280x720x24
[ "$(window_size)" = "1280x720" ] || fail "window is $(window_size), not the whole 1280x720 screen"
close_like_wm
expect_clean_exit
echo "window: ok"
