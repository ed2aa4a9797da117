#!/usr/bin/env bash
# What a person sees at 1280 x 720: the hexagons behind the title, then in
# play the score, the high score, the ranking board, the minimap and their
# own snake in the colour they chose. With NEONVINE_PICTURES=DIR the title
# and play screenshots are also copied there (the README's pictures).
source "$(dirname "$0")/lib.sh"

start_game 1280x720x24
xdotool mousemove 760 360

shot title
# The clear colour is (2, 4, 15); the additive hexagons lift the empty
# background beside and below the title almost everywhere.
expect_where "hexagons behind the title" 3000 0 0 300 720 'r > 6 || g > 8 || b > 22'
expect_where "hexagons behind the title" 3000 980 0 300 720 'r > 6 || g > 8 || b > 22'
title_shot="$SHOT"

# Magenta, two to the right of cyan, then play.
xdotool key --delay 80 Right Right Return
sleep 0.8
player_dot='r < 60 && g > 200 && b > 200'
magenta='g < 4 && r > 60 && b > 60 && (r - b) * (r - b) < 100'
player_in_play() {
  WHY="no cyan dot on the minimap or no magenta snake by the centre"
  [ "$(pixels_where 1060 500 180 180 "$player_dot")" -ge 6 ] &&
    [ "$(pixels_where 490 210 300 300 "$magenta")" -ge 1500 ]
}
eventually play player_in_play
play_shot="$SHOT"

expect_where "cyan score at the top left" 150 30 30 260 60 'r < 60 && g > 200 && b > 200'
expect_where "gold high score at the top right" 150 900 30 355 60 'r > 200 && g > 160 && g < 240 && b < 60'
# The board's outline on all four edges, its dark fill below the rows.
expect_where "board outline, left" 300 933 125 2 350 'b > r + 20 && r > 60 && r < 150'
expect_where "board outline, right" 300 1256 125 2 350 'b > r + 20 && r > 60 && r < 150'
expect_where "board outline, top" 250 935 123 320 2 'b > r + 20 && r > 60 && r < 150'
expect_where "board outline, bottom" 250 935 476 320 2 'b > r + 20 && r > 60 && r < 150'
expect_where "board fill" 1500 940 455 310 15 'r < 70 && g < 70 && b < 90 && b >= r'
# The minimap's grey rim around (1150, 590), its dark disc and the player's cyan dot.
expect_where "minimap rim" 3 1149 497 3 4 'r > 60 && r < 150 && (r - b) * (r - b) < 900'
expect_where "minimap rim" 3 1149 679 3 4 'r > 60 && r < 150 && (r - b) * (r - b) < 900'
expect_where "minimap rim" 3 1057 589 4 3 'r > 60 && r < 150 && (r - b) * (r - b) < 900'
expect_where "minimap rim" 3 1239 589 4 3 'r > 60 && r < 150 && (r - b) * (r - b) < 900'
expect_where "minimap disc" 12000 1080 520 140 140 'r < 70 && g < 70 && b < 90'
expect_where "the player's dot" 6 1060 500 180 180 "$player_dot"
# The player's magenta snake (green exactly 0 in every shade) by the centre.
expect_where "the magenta snake" 1500 490 210 300 300 "$magenta"

if [ -n "${NEONVINE_PICTURES:-}" ]; then
  cp "$title_shot" "$NEONVINE_PICTURES/title.png"
  cp "$play_shot" "$NEONVINE_PICTURES/play.png"
fi

xdotool key Escape
sleep 0.3
xdotool key Escape
expect_clean_exit
echo "play screens: ok"
