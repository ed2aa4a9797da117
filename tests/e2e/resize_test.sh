#!/usr/bin/env bash
# The window is resized by hand in windowed mode: the world view follows the
# new size, so the world keeps its scale and shape instead of being
# stretched into the new window. Measured on the player's eyes, white discs
# beside its head at the centre of the view.
source "$(dirname "$0")/lib.sh"

# eye_sizes: "width height" of every eye-sized white disc within 200 pixels
# of the centre of the game's window, one per line.
eye_sizes() {
  local size w h
  import -window "$WINDOW" "$WORK/window.png"
  size="$(identify -format '%w %h' "$WORK/window.png")"
  w="${size% *}"
  h="${size#* }"
  convert "$WORK/window.png" -crop "400x400+$((w / 2 - 200))+$((h / 2 - 200))" +repage \
    -fill black +opaque white -define connected-components:verbose=true -connected-components 8 null: |
    awk '$NF == "srgb(255,255,255)" && $4 >= 300 { split($2, box, /[x+]/); print box[1], box[2] }'
}

# round_eyes LEAST MOST: some eye is a disc (width and height within 3
# pixels) of a width in that range; sets EYES.
round_eyes() {
  EYES="$(eye_sizes | tr '\n' ' ')"
  echo "$EYES" | awk -v least="$1" -v most="$2" '
    { for (i = 1; i < NF; i += 2) if ($i >= least && $i <= most && ($i - $(i + 1)) ^ 2 <= 9) found = 1 }
    END { exit !found }'
}

# eventually_round_eyes LEAST MOST: a few tries, since another snake may pass
# over the player's head or the player may just have died.
eventually_round_eyes() {
  local i
  for i in $(seq 1 20); do
    round_eyes "$1" "$2" && return 0
    sleep 0.3
  done
  fail "no round eye $1 to $2 pixels wide in the window's centre (eyes seen: $EYES)"
}

start_game 1600x900x24
xdotool mousemove 800 200
# A blank name: no white label over the head.
xdotool key --delay 60 BackSpace BackSpace BackSpace space Return
sleep 0.5
xdotool key F11
sleep 0.5
current_window
[ "$(window_size)" = "1280x720" ] || fail "F11 gave a window of $(window_size)"
xdotool windowmove "$WINDOW" 0 0 mousemove 1000 360
sleep 0.5

# About 0.76 of a new snake's radius at a zoom near 2.44: some 30 pixels.
eventually_round_eyes 24 38
width="$(echo "$EYES" | awk '{ print $1 }')"

xdotool windowsize "$WINDOW" 800 700 mousemove 600 350
sleep 0.5
[ "$(window_size)" = "800x700" ] || fail "the window did not take the new size: $(window_size)"
# Stretched to the new window they would be 0.625 as wide as high.
eventually_round_eyes $((width - 4)) $((width + 4))

xdotool key Escape
sleep 0.3
xdotool key Escape
expect_clean_exit
echo "resize: ok (eyes $width pixels wide before and $(echo "$EYES" | awk '{ print $1 }') after)"
