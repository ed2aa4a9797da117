#!/usr/bin/env bash
# The title screen as a person uses it: type and erase, pick colours with the
# arrows and the mouse, start, come back with the name kept, switch to a
# window and back, and quit with Escape.
source "$(dirname "$0")/lib.sh"

W=1600
H=900

# swatch_center I: sets SX, SY to the centre of swatch I on the fullscreen title.
swatch_center() {
  SX=$((W / 2 - 300 + 75 * ($1 % 9)))
  SY=$((550 + 65 * ($1 / 9)))
}

# near A B: A is within a tenth of B (the cursor's blink moves the centred
# name by a pixel or two, which changes its edges a little).
near() {
  [ $(($1 - $2)) -le $(($2 / 10)) ] && [ $(($2 - $1)) -le $(($2 / 10)) ]
}

# The checks below look at the last screenshot; on failure they leave the
# reason in WHY.
# read_screen: the swatches and the title outline of the last screenshot;
# sets SHOWN, CHOSEN, OUTLINE and WHY.
read_screen() {
  read_swatches
  OUTLINE="$(title_outline)"
  WHY="$SHOWN swatches shown, $OUTLINE pixels of title outline"
}

on_title() {
  read_screen
  [ "$SHOWN" -eq 18 ] && [ "$OUTLINE" -gt 500 ]
}

in_play() {
  read_screen
  [ "$SHOWN" -le 2 ] && [ "$OUTLINE" -lt 200 ]
}

chosen_is() {
  read_swatches
  WHY="the chosen swatch is $CHOSEN, not $1"
  [ "$CHOSEN" = "$1" ]
}

# name_ink_is least most: the name's ink lies in that range; sets INK.
name_ink_is() {
  INK="$(name_ink)"
  WHY="the name has $INK pixels of ink, not $1 to $2"
  [ "$INK" -ge "$1" ] && [ "$INK" -le "$2" ]
}

key() {
  xdotool key --delay 60 "$@"
  sleep 0.4
}

start_game ${W}x${H}x24
xdotool mousemove $((W / 2)) 200

eventually start on_title
eventually start chosen_is 0
default_ink="$(name_ink)"

key BackSpace BackSpace BackSpace
eventually erased name_ink_is 0 0
xdotool type --delay 60 'Kaiz'
sleep 0.4
eventually typed name_ink_is 1 999999
kaiz_ink="$INK"
key BackSpace
eventually erased-one name_ink_is 1 $((kaiz_ink * 9 / 10 - 1))
kai_ink="$INK"
! near "$kai_ink" "$default_ink" || fail "the typed name looks like the default ($kai_ink, $default_ink)"

key Left
eventually left chosen_is 17
key Right Right Down
eventually arrows chosen_is 10

# A click on a swatch chooses it and stays on the title. The screen sees the
# button held, as a person's click lasts a few frames.
swatch_center 4
xdotool mousemove "$SX" "$SY" mousedown 1
sleep 0.3
xdotool mouseup 1 mousemove $((W / 2)) 200
eventually clicked chosen_is 4
eventually clicked on_title
key Right
eventually right chosen_is 5

key Return
eventually play in_play
key Escape
eventually back on_title
eventually back chosen_is 5
eventually back name_ink_is $((kai_ink * 9 / 10)) $((kai_ink * 11 / 10))

# A click off the swatches starts play too.
xdotool mousemove $((W / 2)) 820 click 1
eventually clicked-play in_play
key Escape
eventually back-again on_title

key F11
current_window
[ "$(window_size)" = "1280x720" ] || fail "F11 gave a window of $(window_size), not 1280x720"
key F11
current_window
[ "$(window_size)" = "${W}x${H}" ] || fail "F11 again gave $(window_size), not the whole screen"
eventually fullscreen-again on_title

key Escape
expect_clean_exit
echo "title: ok (name ink: default $default_ink, Kaiz $kaiz_ink, Kai $kai_ink)"
