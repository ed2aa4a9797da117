# The end-to-end scenarios' steps: a private Xvfb, the real game, screenshots, pixels, a clean and silent exit.
set -euo pipefail
GAME="${NEONVINE_BIN:?NEONVINE_BIN must name the game binary}"
WM_CLOSE="${NEONVINE_WM_CLOSE:?NEONVINE_WM_CLOSE must name the wm_close tool}"
WORK="$(mktemp -d)"
# A game under an emulator (NEONVINE_EMULATOR: qemu for a cross build's) is some twenty times slower: so are the waits.
read -ra EMULATOR <<<"${NEONVINE_EMULATOR:-}" && PATIENCE=$((${#EMULATOR[@]} ? 20 : 1))
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
# A scenario may set AT_EXIT to a command of its own cleaning.
trap 'set +e; [ -z "${GAME_PID:-}" ] || kill -9 "$GAME_PID" 2>/dev/null; ${AT_EXIT:-}; stop_xvfb; rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# start_game [screen]: a fresh X server and the game on it, as launch_game says, filling the screen.
start_game() { start_xvfb "${1:-1280x720x24}" && launch_game "$(screen_size)"; }
# launch_game SIZE: the game on the display at hand, until its window is SIZE (the first frame's fullscreen one); sets
# WINDOW, and W and H to that size. Where the windowed size is SIZE, the first window matches too, until the first
# frame replaces it.
launch_game() {
  "${EMULATOR[@]}" "$GAME" >"$WORK/stdout" 2>"$WORK/stderr" & GAME_PID=$!
  read -r W H <<<"${1/x/ }"
  for _ in $(seq $((200 * PATIENCE))); do
    current_window
    [ -n "$WINDOW" ] && [ "$(window_size)" = "${W}x$H" ] && break
    kill -0 "$GAME_PID" 2>/dev/null && sleep 0.05 || fail "the game exited at start"
  done
  sleep 0.5 && current_window
  [ -n "$WINDOW" ] || fail "no window named Neonvine"
}
# The newest window named Neonvine (a recreated window gets a new id).
current_window() { WINDOW="$(xdotool search --name '^Neonvine$' 2>/dev/null | tail -1 || true)"; }
window_size() { xdotool getwindowgeometry "$WINDOW" 2>/dev/null | sed -n 's/.*Geometry: //p'; }
screen_size() { xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*x[0-9]*\) pixels.*/\1/p'; }
# shot NAME: a screenshot of the whole screen into $WORK/NAME.png.
# Where GAME_SHOTS is set, of the game's newest window alone: for screens of more than the game's monitor.
shot() {
  local window=root
  SHOT="$WORK/$1.png"
  [ -z "${GAME_SHOTS:-}" ] || { current_window && window="$WINDOW"; }
  timeout 10 import -window "$window" -quality 10 "$SHOT" || true  # fast to write; a window gone meanwhile: retried
}

# eventually NAME CHECK...: screenshots until CHECK holds, for some six seconds (TRIES times), as a busy machine may
# be slow to show the next frame and a player that spawned beside a bot's body is gone for 2.5 s. CHECK may set WHY.
eventually() {
  local name="$1" && shift && WHY="the check never held"
  for _ in $(seq "${TRIES:-$((24 * PATIENCE))}"); do
    shot "$name"
    "$@" && return 0
    sleep 0.25
  done
  fail "$name: $WHY"
}

# region X Y WIDTH HEIGHT: that box of the last screenshot as lines "x y r g b".
region() {
  convert "$SHOT" -crop "$3x$4+$1+$2" +repage -depth 8 rgb:- | od -An -v -tu1 -w3 |
    awk -v x0="$1" -v y0="$2" -v w="$3" '{ i = NR - 1; print x0 + i % w, y0 + int(i / w), $1, $2, $3 }'
}
# pixels_where X Y WIDTH HEIGHT CONDITION: how many pixels of that box meet an awk condition on r, g, b.
pixels_where() { region "$@" | awk "{ r = \$3; g = \$4; b = \$5 } $5 { n++ } END { print n + 0 }"; }
expect_pixels() {  # LABEL LEAST MOST X Y WIDTH HEIGHT CONDITION
  local n && n="$(pixels_where "${@:4}")"
  [ "$n" -ge "$2" ] && [ "$n" -le "$3" ] || fail "$1: $n pixels, wanted $2 to $3"
}
# over X_IN X_OUT Y ALPHA R G B: on most of 20 rows from Y, column X_IN shows (R, G, B) at that alpha over what
# column X_OUT, left of it, shows: a translucent overlay, whatever lies under it and a few dots on it.
over() {
  region "$2" "$3" $(($1 - $2 + 1)) 20 | awk -v i="$1" -v o="$2" -v a="$4" -v c="$5 $6 $7" '
    function off(v, k) { return (v - (a * f[k] + (255 - a) * u[k]) / 255) ^ 2 > 9 } BEGIN { split(c, f) }
    $1 == o { u[1] = $3; u[2] = $4; u[3] = $5 } $1 == i && !off($3, 1) && !off($4, 2) && !off($5, 3) { n++ }
    END { exit n < 15 }'
}

# read_title: from the last screenshot of the title sets SHOWN, how many of the 18 swatch centres are solid discs
# of a bright colour of their own (17 pixels down the middle of one colour, a channel of 128 or more), CHOSEN, the
# swatches with the white ring (looked for away from the other row, which a chosen neighbour's may reach), and the
# pixels of the cyan title OUTLINE, the blue PROMPT and the white name's INK.
read_title() {
  set -- $(region $((W / 2 - 340)) 510 680 145 | awk -v left=$((W / 2 - 300)) '
    $1 < left || ($1 - left) % 75 { next } { k = ($1 - left) / 75 + 9 * ($2 > 580); c = $3 " " $4 " " $5 }
    ($2 - (k < 9 ? 550 : 615)) ^ 2 <= 64 { if (!(k in at)) at[k] = c; if (at[k] != c || $3 < 128 && $4 < 128 && $5 < 128) off[k] = 1 }
    $3 + $4 + $5 == 765 && ($2 < 525 || $2 > 640) { ring[k] = 1 }
    END { for (k in at) if (!(k in off) && !(at[k] in seen)) { seen[at[k]] = 1; shown++ }
          printf "%d", shown; for (k = 0; k < 18; k++) if (k in ring) printf " %d", k }')
  SHOWN=$1 && shift && CHOSEN="${*:-none}"
  OUTLINE="$(pixels_where $((W / 2 - 320)) 120 640 130 'r < 60 && g > 90 && b > 90 && (g - b) ^ 2 < 900')"
  PROMPT="$(pixels_where $((W / 2 - 150)) 318 300 34 'r < 60 && g > 140 && g < 215 && b - g > 30')"
  INK="$(pixels_where $((W / 2 - 300)) 360 600 62 'r > 200 && g > 200 && b > 200')"  # above the cursor
  WHY="$SHOWN swatches shown, chosen: $CHOSEN; pixels of outline $OUTLINE, prompt $PROMPT, name $INK"
}

# refuted OTHER CHECK...: the check fails on the screenshot named OTHER, of the other screen, and on a black one.
refuted() {
  local other="$WORK/$1.png" && shift
  [ -f "$WORK/black.png" ] || convert -size "${W}x$H" xc:black "$WORK/black.png"
  for SHOT in "$WORK/black.png" "$other"; do ! "$@" || fail "$* holds on $(basename "$SHOT")"; done
}

# board_and_map: the ranking board's translucent fill and its outline at the right, the minimap's rim and the
# player's cyan dot on it.
board_and_map() {
  WHY="no board, minimap or cyan dot" && over $((W - 335)) $((W - 355)) 300 180 20 20 30 &&
    [ "$(pixels_where $((W - 24)) 125 2 350 'b > r + 20 && r > 60 && r < 150')" -ge 300 ] &&
    [ "$(pixels_where $((W - 131)) $((H - 223)) 3 4 'r > 60 && r < 150 && (r - b) ^ 2 < 900')" -ge 3 ] &&
    [ "$(pixels_where $((W - 220)) $((H - 220)) 180 180 'r < 60 && g > 200 && b > 200')" -ge 6 ]
}
# in_play: that, and the player's magenta snake by the centre.
in_play() {
  board_and_map && WHY="no magenta snake by the centre" &&
    [ "$(pixels_where $((W / 2 - 150)) $((H / 2 - 150)) 300 300 'g < 4 && r > 60 && (r - b) ^ 2 < 100')" -ge 1500 ]
}

# close_like_wm: a WM_DELETE_WINDOW message to the game's window.
close_like_wm() { current_window && "$WM_CLOSE" "$WINDOW" || fail "could not send WM_DELETE_WINDOW"; }
# expect_clean_exit: the game ends by itself with status 0 and wrote nothing.
expect_clean_exit() {
  timeout $((5 * PATIENCE)) tail -s 0.05 --pid="$GAME_PID" -f /dev/null || fail "the game did not exit"
  set -- "$GAME_PID" && GAME_PID="" && wait "$1" || fail "exit status $?"
  [ ! -s "$WORK/stdout" ] && [ ! -s "$WORK/stderr" ] || fail "console: $(head -c 300 "$WORK"/std*)"
}

# read_scores: from the last screenshot sets SCORE_INK and RECORD_INK, digests of where the score's cyan fill shows
# at the top left and the high score's gold fill at the top right: the inside of a glyph is its fill colour whatever
# lies under it, so they change with the numbers shown and only with them. NO_INK is the digest of no pixel at all.
NO_INK=d41d8cd9
read_scores() {
  SCORE_INK="$(region 30 30 300 60 | awk '$3 == 0 && $4 == 255 && $5 == 255 { print $1, $2 }' | md5sum | cut -c1-8)"
  RECORD_INK="$(region $((W - 400)) 30 400 60 | awk '$3 == 255 && $4 == 215 && $5 == 0 { print $1, $2 }' | md5sum |
    cut -c1-8)"
}
# way_to_centre LENGTH [SHYNESS]: "DX DY", that long, the way from the player's cyan dot on the minimap to the map's
# centre, where the pellets lie thickest, bent away from the bots' red dots within 10 pixels as much as SHYNESS says
# (0 by default); nothing when the dot is at the centre and no bot near. Fails when the dot is missing.
way_to_centre() {
  region $((W - 220)) $((H - 220)) 180 180 | awk -v cx=$((W - 130)) -v cy=$((H - 130)) -v len="$1" -v shy="${2:-0}" '
    $3 < 60 && $4 > 200 && $5 > 200 { x += $1; y += $2; n++ } $3 > 200 && $4 < 60 && $5 < 60 { bx[++m] = $1; by[m] = $2 }
    END { if (!n) exit 1; x /= n; y /= n; dx = cx - x; dy = cy - y; l = sqrt(dx * dx + dy * dy)
          if (l < 2) dx = dy = 0; else { dx /= l; dy /= l }
          for (i = 1; i <= m; i++) { ex = x - bx[i]; ey = y - by[i]; d = ex * ex + ey * ey
                                     if (d && d < 100) { dx += shy * ex / d; dy += shy * ey / d } }
          l = sqrt(dx * dx + dy * dy); if (l > 0.01) printf "%d %d", len * dx / l, len * dy / l }'
}
# steer_to_centre: the mouse, from the window's centre, points that way; left alone when there is none.
steer_to_centre() {
  local way && way="$(way_to_centre 200)" && [ -n "$way" ] || return 0
  xdotool mousemove $((W / 2 + ${way% *})) $((H / 2 + ${way#* }))
}
