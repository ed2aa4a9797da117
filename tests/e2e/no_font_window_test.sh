#!/usr/bin/env bash
# Without a single font the game fills the screen and plays, every text simply not there. F11 makes a 1280 x 720
# window; resized by hand, it keeps the world's scale and shape, measured on the player's round eyes.
source "$(dirname "$0")/lib.sh"

export FONTCONFIG_FILE="$WORK/fc.conf" && echo "<fontconfig><cachedir>$WORK</cachedir></fontconfig>" >"$FONTCONFIG_FILE"
NO_FONTS=1
windowed() { current_window && WHY="the window is $(window_size)" && [ "$(window_size)" = "$1" ]; }
# round_eye LEAST MOST: a white disc that wide (an eye) by the centre of the window at the top left; sets EYE.
round_eye() {
  WHY="no round eye $1 to $2 pixels wide"
  EYE="$(convert "$SHOT" -crop "$(window_size)+0+0" +repage -gravity center -crop 400x400+0+0 +repage \
    -fill black +opaque white -define connected-components:verbose=true -connected-components 8 null: |
    awk -v least="$1" -v most="$2" '$NF == "srgb(255,255,255)" { split($2, b, /[x+]/)
      if (b[1] >= least && b[1] <= most && (b[1] - b[2]) ^ 2 <= 9) { print b[1]; exit } }')"
  [ -n "$EYE" ]
}

start_game 1600x900x24
windowed 1600x900 || fail "$WHY, not the whole screen"
xdotool mousemove 800 200
eventually title title_shown 0 0 0
xdotool key Return mousemove 1100 450
eventually play hud_shown
refuted play title_shown
refuted title hud_shown

xdotool key F11
eventually F11 windowed 1280x720
xdotool windowmove "$WINDOW" 0 0 mousemove 1000 360
eventually eye round_eye 24 38  # 0.76 of a new snake's radius at a zoom near 2.44
xdotool windowsize "$WINDOW" 800 700 mousemove 600 350
eventually resize windowed 800x700
# Stretched to the new window they would be 0.625 as wide as high.
eventually resized round_eye $((EYE - 4)) $((EYE + 4))
xdotool key Escape sleep 0.3 key Escape
expect_clean_exit
