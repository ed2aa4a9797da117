#!/usr/bin/env bash
# The game on a player's desktop (LAYOUT, as desktop.sh names them): it fills exactly the primary monitor (on Wayland,
# the output the compositor chooses), the title and then the whole HUD on it; F11 gives a 1280 x 720 window wholly
# inside one monitor, and F11 again fullscreen on the monitor that holds most of that window, moved to the other
# monitor first where it can be; Escape on the title quits, with status 0 and a silent console.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"

start_desktop "$1"
primary="$(head -1 <<<"$MONITORS")"
launch_game "${primary%%+*}"
eventually fullscreen fills "$primary"
eventually title title_shown
press Return
eventually play hud_shown
press Escape F11
eventually F11 windowed
eventually windowed-title title_shown
if [ -n "${MOVABLE:-}" ]; then
  # Straddling the two, mostly on the other monitor.
  MONITOR="$(grep -vx "$MONITOR" <<<"$MONITORS")" && read -r _ _ ox oy <<<"$(tr 'x+' '  ' <<<"$MONITOR")"
  xdotool windowmove "$WINDOW" $((ox - 300)) $((oy + 200))
  moved() { game_window && WHY="the window is $AREA" && [ "$X" -ge $((ox - 310)) ]; }
  eventually moved moved
fi
press F11
eventually back-to-fullscreen fills "$MONITOR"
eventually fullscreen-title title_shown
press Escape
expect_clean_exit
