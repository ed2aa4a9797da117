# The gamepad scenario's steps, after lib.sh: the game started with the fake pad preloaded (tests/gamepad/), the pad
# driven through its FIFO, and what the screen and the pointer tell of steering, boost and the cursor.
PAD_LIBRARY="${NEONVINE_FAKE_GAMEPAD:?NEONVINE_FAKE_GAMEPAD must name the fake gamepad library}"
CURSOR_SHOWN="${NEONVINE_CURSOR_SHOWN:?NEONVINE_CURSOR_SHOWN must name the cursor_shown tool}"

# start_game_with_pad SCREEN: start_game with the pad plugged in and at rest.
start_game_with_pad() {
  mkdir "$WORK/pad" && mkfifo "$WORK/pad/commands"
  exec 7<>"$WORK/pad/commands"  # held open here, so that writing never waits for the game
  printf '#!/bin/sh\nexec env LD_PRELOAD="%s" FAKE_GAMEPAD="%s" "%s" 7>&-\n' "$PAD_LIBRARY" "$WORK/pad" "$GAME" \
    >"$WORK/game-with-pad"
  chmod +x "$WORK/game-with-pad" && GAME="$WORK/game-with-pad" && start_game "$1"
}
pad() { printf '%s\n' "$@" >&7; }
# frames N: back once the game has read the pad through N more times, at least once a frame: what was sent before
# is then in what the screen shows. Time, which a busy machine stretches, bounds it only far off.
frames() {
  local until=$(($(read_through) + $1))
  for _ in $(seq 600); do [ "$(read_through)" -ge "$until" ] && return 0; sleep 0.05; done
  fail "the game read the pad through fewer than $1 times in 30 seconds"
}
read_through() { cat "$WORK/pad/frames" 2>/dev/null || echo 0; }
# stick X Y, hat X Y: the stick or the d-pad pushed that far, each axis -100 .. 100 as the game reads it.
stick() { pad "axis 0 $(($1 * 32767 / 100))" "axis 1 $(($2 * 32767 / 100))"; }
hat() { pad "axis 2 $(($1 * 32767 / 100))" "axis 3 $(($2 * 32767 / 100))"; }
press() { pad "button $1 1"; }
release() { pad "button $1 0"; }
# rest: the stick back to (9, -9), the d-pad to the middle, until the game has seen it. It reads the pad once a
# frame: a push and its release read in the same frame never happened for it.
rest() { stick 9 -9 && hat 0 0 && frames 3; }
# push stick|hat X Y NAME CHECK...: pushed that far until CHECK holds (see eventually), then back at rest.
push() { "$1" "$2" "$3" && shift 3 && eventually "$@" && rest; }

# still NAME CHECK...: CHECK holds on a screenshot taken now.
still() { shot "$1" && shift && "$@" || fail "$(basename "$SHOT" .png): $WHY"; }
# chosen INDEX: the title with all 18 swatches, that one chosen.
chosen() { read_title && [ "$SHOWN" -eq 18 ] && [ "$CHOSEN" = "$1" ]; }
# cursor shown|hidden: what the pointer shows over the game.
cursor() {
  local now=hidden && "$CURSOR_SHOWN" && now=shown
  WHY="the cursor is $now" && [ "$now" = "$1" ]
}
# heading right|left|up|down: the player's eyes lie that way from the screen's centre, which the camera brings
# after the head some way behind it.
heading() {
  local way && way="$(region $((W / 2 - 200)) $((H / 2 - 200)) 400 400 | awk -v cx=$((W / 2)) -v cy=$((H / 2)) '
    $3 == 255 && $4 == 255 && $5 == 255 { x += $1 - cx; y += $2 - cy; n++ }
    END { if (n < 200) { print "nowhere"; exit } x /= n; y /= n
          if (x * x > 4 * y * y && x * x > 900) print (x > 0 ? "right" : "left")
          else if (y * y > 4 * x * x && y * y > 900) print (y > 0 ? "down" : "up"); else print "unclear" }')"
  WHY="the eyes lie $way, not $1" && [ "$way" = "$1" ]
}
# boosting: the magenta player's body shows boost: each channel raised by 60, its discs run from (255, 60, 255) or
# (225, 60, 225) at the centre to a third of that at the rim. Glows added to the backdrop are not so exact.
boosting() {
  WHY="no boost" && [ "$(pixels_where $((W / 2 - 150)) $((H / 2 - 150)) 300 300 \
    'r == b && r > 70 && ((g * 255 - 60 * r) ^ 2 <= 65025 || (g * 225 - 60 * r) ^ 2 <= 50625)')" -ge 2000 ]
}
# score_end: where the cyan score ends at the top left; each digit more moves it some 24 pixels right.
score_end() { region 30 30 300 60 | awk '$3 == 0 && $4 == 255 && $5 == 255 && $1 > e { e = $1 } END { print e + 0 }'; }

# boost_with BUTTON: the stick seeks food where the map shows it thickest and bots fewest, and at every look the
# button is held for the frames of one screenshot, until that shows boost: so from the first look at which the mass
# is over 120 on, without wasting it in boosts between looks. Not bound by time but by the player's lives (LIVES, for
# every call together) and by a score of three digits shown with no boost three looks running (a bot's body may hide
# the player's). ONE_DIGIT_END: score_end for a score of one digit.
LIVES=20
boost_with() {
  local way alive=1 heavy=0
  for _ in $(seq 1000); do
    press "$1" && frames 3 && shot "boost-$1" && release "$1"
    boosting && return 0
    if way="$(way_to_centre 100 1)"; then
      [ -z "$way" ] || stick $way
      heavy=$(($(score_end) > ONE_DIGIT_END + 40 ? heavy + 1 : 0)) && alive=1
      [ "$heavy" -lt 3 ] || fail "button $1: a score of three digits, and no boost"
    else
      LIVES=$((LIVES - alive)) && alive=0
      [ "$LIVES" -gt 0 ] || fail "button $1: no boost, and no lives left"
    fi
  done
  fail "button $1: no boost in 1000 looks"
}
