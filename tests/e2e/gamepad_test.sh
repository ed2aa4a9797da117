#!/usr/bin/env bash
# A player with a gamepad, fullscreen at 1600 x 900. On the title the stick and the d-pad move the chosen colour
# one step a push, and the buttons hide the cursor but start play only with a name. In play the stick steers beyond
# its dead zone, a mouse move of more than 5 pixels takes control back and shows the cursor, the pad taking over
# hides it, the pad unplugged and plugged back leaves the game going, and buttons 0 and 1 boost a snake heavy
# enough. The console stays silent.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/gamepad.sh"

nameless() { chosen 2 && WHY="name ink $INK" && [ "$INK" -eq 0 ] && cursor "$1"; }
named() { chosen 2 && WHY="name ink $INK" && [ "$INK" -gt 0 ] && cursor shown; }
steering() { in_play && heading "$1" && cursor "$2"; }

start_game_with_pad 1600x900x24
left=$((W / 2 - 300)) && xdotool mousemove $((W / 2 + 120)) $((H / 2))  # off the swatches
eventually title chosen 0
# A push goes past 50. Held for many frames it steps once; at 12 the stick is not yet at rest, within 10 it is.
stick 50 -50 && frames 3 && stick 100 0 && eventually one-step chosen 1
frames 10 && still held chosen 1
stick 12 0 && frames 3 && hat 100 0 && frames 3 && still not-at-rest chosen 1 && rest
push hat 100 0 pad-right chosen 2
push stick 0 51 stick-down chosen 11
push hat 0 -100 pad-up chosen 2
push hat -100 0 pad-left chosen 1
push stick 100 -90 diagonal chosen 2  # right, not up

xdotool key BackSpace BackSpace BackSpace
eventually erased nameless shown
press 0 && eventually button-0 nameless hidden && release 0
xdotool mousemove $((W / 2 + 130)) $((H / 2)) && eventually mouse-moved nameless shown
press 1 && eventually button-1 nameless hidden && release 1
xdotool type --delay 60 Kai && xdotool mousemove $left $((H / 2))  # the pointer left of the centre
eventually named named
press 1 && eventually play steering left hidden && release 1
ONE_DIGIT_END="$(score_end)"

# Within the dead zone the stick leaves the heading to the mouse; beyond it, the mouse is not looked at.
stick 15 0 && frames 30 && eventually dead-zone steering left hidden
stick 100 0 && eventually stick-right steering right hidden
stick 0 -100 && xdotool mousemove $left $((H / 2 + 100)) && frames 30 && eventually stick-up steering up hidden
# At rest the stick keeps the heading; the mouse takes over once more than 5 pixels from where it was last counted.
xdotool mousemove $((left + 5)) $((H / 2)) && stick 9 -9 && frames 10 && eventually five-pixels cursor hidden
xdotool mousemove $((left + 6)) $((H / 2)) && eventually six-pixels steering left shown
stick 0 100 && eventually pad-again steering down hidden
# Unplugged, the pad reads nothing: the mouse steers once moved. Plugged back, the stick steers again.
pad unplug && xdotool mousemove $((left + 6)) $((H / 2 + 10)) && eventually unplugged steering left shown
pad plug && stick 100 0 && eventually plugged steering right hidden

# Each button alone boosts once the snake is heavy enough; let go, the body shows no boost.
boost_with 0
boost_with 1
eventually let-go in_play
xdotool key Escape sleep 0.3 key Escape
expect_clean_exit
