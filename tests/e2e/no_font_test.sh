#!/usr/bin/env bash
# A machine without a single font: the game still opens its title, plays
# and quits cleanly and silently; every text is simply not there.
source "$(dirname "$0")/lib.sh"

# expect_count LABEL LEAST MOST X Y WIDTH HEIGHT CONDITION
expect_count() {
  local n
  n="$(pixels_where "$4" "$5" "$6" "$7" "$8")"
  [ "$n" -ge "$2" ] && [ "$n" -le "$3" ] || fail "$1: $n pixels, wanted $2 to $3"
}

# fontconfig with no font directory at all.
cat >"$WORK/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><cachedir>$WORK/font-cache</cachedir></fontconfig>
CONF
export FONTCONFIG_FILE="$WORK/fonts.conf"
[ -z "$(fc-list 2>/dev/null)" ] || fail "fontconfig still lists fonts"

start_game 1280x720x24
xdotool mousemove 640 200
sleep 0.5
shot title
# The swatches are shapes and show; the white name, the cyan-outlined title
# and the hint are text and do not.
expect_count "swatch 1 in its green" 400 3000 393 528 44 44 'r == 57 && g == 255 && b == 20'
expect_count "swatch 17 in its maroon" 400 3000 918 593 44 44 'r == 128 && g == 0 && b == 0'
expect_count "no name" 0 0 340 360 600 62 'r > 200 && g > 200 && b > 200'
expect_count "no title outline" 0 200 320 120 640 130 'r < 60 && g > 90 && b > 90 && g - b < 30 && b - g < 30'
title_shot="$SHOT"

xdotool key Return
sleep 1
player_dot='r < 60 && g > 200 && b > 200'
player_on_minimap() {
  WHY="no cyan dot on the minimap"
  [ "$(pixels_where 1060 500 180 180 "$player_dot")" -ge 6 ]
}
eventually play player_on_minimap
play_shot="$SHOT"
# The minimap is drawn with shapes; the score and the high score are text.
expect_count "minimap disc" 12000 30000 1080 520 140 140 'r < 70 && g < 70 && b < 90'
expect_count "the player's dot" 6 400 1060 500 180 180 "$player_dot"
expect_count "no gold high score" 0 20 900 30 355 60 'r > 200 && g > 160 && g < 240 && b < 60'

if [ -n "${NEONVINE_PICTURES:-}" ]; then
  cp "$title_shot" "$NEONVINE_PICTURES/no-font-title.png"
  cp "$play_shot" "$NEONVINE_PICTURES/no-font-play.png"
fi

xdotool key Escape
sleep 0.3
xdotool key Escape
expect_clean_exit
echo "no font: ok"
