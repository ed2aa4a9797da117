#!/usr/bin/env bash
# A person's run at 1280 x 720: title, play, a stall, back and into play again, then a close sent while the game is
# stopped, landing in a frame that catches up several steps. NEONVINE_PICTURES=DIR keeps two screenshots there.
source "$(dirname "$0")/lib.sh"

title() {  # CHOSEN LEAST MOST: every text shown, that swatch chosen, that much ink in the name
  read_title && [ "$SHOWN" -eq 18 ] && [ "$OUTLINE" -gt 500 ] && [ "$PROMPT" -gt 100 ] && [ "$CHOSEN" = "$1" ] &&
    [ "$INK" -ge "$2" ] && [ "$INK" -le "$3" ]
}
# The board's and the minimap's fills, the player's cyan dot on the minimap and its magenta snake by the centre.
in_play() {
  WHY="no board, minimap, cyan dot or magenta snake" && over 945 925 300 180 20 20 30 && over 1070 1050 580 150 0 0 0 &&
    [ "$(pixels_where 1060 500 180 180 'r < 60 && g > 200 && b > 200')" -ge 6 ] &&
    [ "$(pixels_where 490 210 300 300 'g < 4 && r > 60 && (r - b) ^ 2 < 100')" -ge 1500 ]
}

start_game 1280x720x24
xdotool mousemove 760 360
eventually title title 0 1 999999
[ -z "${NEONVINE_PICTURES:-}" ] || convert "$SHOT" "$NEONVINE_PICTURES/title.png"
# The hexagons are large: some layouts leave a side of the screen bare, hardly any leave most of it.
expect_pixels "hexagons over the clear colour" 150000 999999 0 0 1280 720 'r != 2 || g != 4 || b != 15'
xdotool key BackSpace BackSpace BackSpace
eventually erased title 0 0 0
xdotool type --delay 60 Kai
xdotool key Left
eventually typed title 17 1 999999
near="$((INK * 9 / 10)) $((INK * 11 / 10))"
xdotool key Right Right Down
eventually arrows title 10 $near
xdotool mousemove 490 550 mousedown 1 sleep 0.3 mouseup 1 mousemove 760 360  # held a few frames, as a person's click is
eventually clicked title 2 $near

xdotool key Return
[ -z "${NEONVINE_PICTURES:-}" ] || sleep 1.5  # for the ranking board's first rows in the picture
eventually play in_play
[ -z "${NEONVINE_PICTURES:-}" ] || convert "$SHOT" "$NEONVINE_PICTURES/play.png"
expect_pixels "cyan score" 150 999999 30 30 260 60 'r < 60 && g > 200 && b > 200'
expect_pixels "gold high score" 150 999999 900 30 355 60 'r > 200 && g > 160 && g < 240 && b < 60'
expect_pixels "board outline" 300 999999 1256 125 2 350 'b > r + 20 && r > 60 && r < 150'
expect_pixels "minimap rim" 3 12 1149 497 3 4 'r > 60 && r < 150 && (r - b) ^ 2 < 900'

# Any stall over a quarter of a second makes the same catch-up frame; then the bots' dots on the minimap move on.
dots() { region 1060 500 180 180 | awk '$3 > 200 && $4 < 60 && $5 < 60 { print $1, $2 }' | md5sum; }
kill -STOP "$GAME_PID"; sleep 0.5; kill -CONT "$GAME_PID"
shot stalled && stalled="$(dots)"
moving() { [ "$(dots)" != "$stalled" ] && in_play; }
eventually moving-after-stall moving

xdotool key Escape
eventually back title 2 $near
xdotool mousemove 640 690 click 1 mousemove 760 360
eventually play-again in_play
kill -STOP "$GAME_PID"; close_like_wm; sleep 0.5; kill -CONT "$GAME_PID"
expect_clean_exit
