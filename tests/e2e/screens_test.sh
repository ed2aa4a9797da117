#!/usr/bin/env bash
# A person's run at 1280 x 720: title, play, a stall, back and into play again, then a close sent while the game is
# stopped, landing in a frame that catches up several steps. NEONVINE_PICTURES=DIR keeps two screenshots there.
source "$(dirname "$0")/lib.sh"

# The hexagons are large: some layouts leave a side of the screen bare, hardly any leave most of it.
title_over_hexagons() {
  title_shown 1 999999 0 && WHY="bare of hexagons" &&
    [ "$(pixels_where 0 0 1280 720 'b >= 15 && (r != 2 || g != 4 || b != 15)')" -ge 150000 ]
}
# The score's cyan fill and the high score's gold one as digests of where they show: the inside of a glyph is its
# fill colour whatever lies under it, so they change with the numbers shown and only with them. NO_INK: no pixel.
NO_INK=d41d8cd9
read_scores() { SCORE_INK="$(ink 30 30 300 60 0 255 255)" && RECORD_INK="$(ink $((W - 400)) 30 400 60 255 215 0)"; }
ink() { region "${@:1:4}" | awk -v c="$5 $6 $7" '$3 " " $4 " " $5 == c { print $1, $2 }' | md5sum | cut -c1-8; }
# The high score has left 0 with a pellet eaten, and the score shows a number too (the record is set on a frame that
# shows it as the score, and a death takes longer to undo than a screenshot).
earned() {
  read_scores && WHY="score ink $SCORE_INK, record ink $RECORD_INK" && [ "$SCORE_INK" != "$FIRST_SCORE" ] &&
    [ "$RECORD_INK" != "$FIRST_RECORD" ] && [[ "$SCORE_INK $RECORD_INK" != *$NO_INK* ]]
}
dots() { region 1060 500 180 180 | awk '$3 > 200 && $4 < 60 && $5 < 60 { print $1, $2 }' | md5sum; }
# Steers into the thick of the pellets until earned holds, for 240 screenshots in which the bots' dots moved: a busy
# machine gets as much play to eat in, however long it takes to show it.
seek_food() {
  local moved=0 last="" now way
  for _ in $(seq 2400); do
    shot seeking && now="$(dots)"
    earned && return 0
    ! way="$(way_to_centre 200)" || [ -z "$way" ] || xdotool mousemove $((W / 2 + ${way% *})) $((H / 2 + ${way#* }))
    [ "$now" = "$last" ] || moved=$((moved + 1))
    [ "$moved" -lt 240 ] || break
    last="$now" && sleep 0.25
  done
  fail "seeking food: $WHY"
}
record_kept() { in_play && read_scores && WHY="record $RECORD_INK" && [[ "$FIRST_RECORD $NO_INK" != *$RECORD_INK* ]]; }

start_game 1280x720x24
xdotool mousemove 760 360
eventually title title_over_hexagons
[ -z "${NEONVINE_PICTURES:-}" ] || convert "$SHOT" "$NEONVINE_PICTURES/title.png"
xdotool key BackSpace BackSpace BackSpace
eventually erased title_shown 0 0 0
xdotool type --delay 60 Kai
xdotool key Left
eventually typed title_shown 1 999999 17
near="$((INK * 9 / 10)) $((INK * 11 / 10))"
xdotool key Right Right Down
eventually arrows title_shown $near 10
xdotool mousemove 490 550 mousedown 1 sleep 0.3 mouseup 1 mousemove 760 360  # held a few frames, as a person's click is
eventually clicked title_shown $near 2

xdotool key Return
[ -z "${NEONVINE_PICTURES:-}" ] || sleep 1.5  # for the ranking board's first rows in the picture
eventually play in_play
[ -z "${NEONVINE_PICTURES:-}" ] || convert "$SHOT" "$NEONVINE_PICTURES/play.png"
read_scores && FIRST_SCORE="$SCORE_INK" FIRST_RECORD="$RECORD_INK"
seek_food

# Any stall over a quarter of a second makes the same catch-up frame; then the bots' dots on the minimap move on.
kill -STOP "$GAME_PID"; sleep 0.5; kill -CONT "$GAME_PID"
shot stalled && stalled="$(dots)"
moving() { [ "$(dots)" != "$stalled" ] && in_play; }
eventually moving-after-stall moving

xdotool key Escape
eventually back title_shown $near 2
xdotool mousemove 640 690 click 1 mousemove 760 360
eventually play-again record_kept
# Each screen's checks fail on the other screen and on a black one.
refuted play title_shown  # any name, any swatch chosen
for check in in_play earned moving record_kept; do refuted title "$check"; done
kill -STOP "$GAME_PID"; close_like_wm; sleep 0.5; kill -CONT "$GAME_PID"
expect_clean_exit
