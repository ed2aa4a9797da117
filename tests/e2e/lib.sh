# Shared steps of the end-to-end scenarios: a private Xvfb, the real game,
# screenshots, pixels, and the checks of a clean, silent exit.
set -euo pipefail

E2E_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
GAME="${NEONVINE_BIN:?NEONVINE_BIN must name the game binary}"
WM_CLOSE="${NEONVINE_WM_CLOSE:?NEONVINE_WM_CLOSE must name the wm_close tool}"
WORK="$(mktemp -d)"
source "$E2E_DIR/xvfb.sh"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cleanup() {
  if [ -n "${GAME_PID:-}" ] && kill -0 "$GAME_PID" 2>/dev/null; then kill -9 "$GAME_PID" 2>/dev/null || true; fi
  stop_xvfb
  rm -rf "$WORK"
}
trap cleanup EXIT

# start_game [screen]: a fresh X server and the game on it; sets WINDOW.
start_game() {
  start_xvfb "${1:-1280x720x24}"
  "$GAME" >"$WORK/stdout" 2>"$WORK/stderr" &
  GAME_PID=$!
  WINDOW=""
  local i
  for i in $(seq 1 200); do
    WINDOW="$(xdotool search --name '^Neonvine$' 2>/dev/null | tail -1 || true)"
    [ -n "$WINDOW" ] && [ "$(window_size)" = "$(screen_size)" ] && break
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game exited at start"
    sleep 0.05
  done
  [ -n "$WINDOW" ] || fail "no window named Neonvine"
  # On a screen of the windowed size the first window matches too; the
  # first frame replaces it by the fullscreen one.
  sleep 0.5
  current_window
}

# The newest window named Neonvine (a recreated window gets a new id).
current_window() {
  WINDOW="$(xdotool search --name '^Neonvine$' 2>/dev/null | tail -1 || true)"
}

window_size() {
  xdotool getwindowgeometry "$WINDOW" 2>/dev/null | sed -n 's/.*Geometry: //p'
}

screen_size() {
  xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*x[0-9]*\) pixels.*/\1/p'
}

# shot NAME: a screenshot of the whole screen into $WORK/NAME.png.
shot() {
  import -window root "$WORK/$1.png"
  SHOT="$WORK/$1.png"
}

# eventually NAME CHECK...: screenshots until CHECK holds, for a few seconds,
# as a busy machine may be slow to show the next frame, or a snake that
# spawned beside a bot's body may have died and wait for its respawn. CHECK
# may set WHY to say what it missed.
eventually() {
  local name="$1" i
  shift
  WHY="the check never held"
  for i in $(seq 1 24); do
    shot "$name"
    "$@" && return 0
    sleep 0.25
  done
  fail "$name: $WHY"
}

# pixel X Y: the colour at (X, Y) of the last screenshot as "R G B".
pixel() {
  convert "$SHOT" -crop "1x1+$1+$2" -depth 8 txt:- | tail -1 |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

# region X Y WIDTH HEIGHT: that box of the last screenshot as lines "x y r g b".
region() {
  convert "$SHOT" -crop "$3x$4+$1+$2" +repage -depth 8 rgb:- | od -An -v -tu1 -w3 |
    awk -v x0="$1" -v y0="$2" -v w="$3" '{ i = NR - 1; print x0 + i % w, y0 + int(i / w), $1, $2, $3 }'
}

# pixels_where X Y WIDTH HEIGHT CONDITION: how many pixels of that box meet
# an awk condition on r, g and b.
pixels_where() {
  region "$@" | awk "{ r = \$3; g = \$4; b = \$5 } $5 { n++ } END { print n + 0 }"
}

# expect_where LABEL MIN X Y WIDTH HEIGHT CONDITION: fails unless at least
# MIN pixels of that box of the last screenshot meet CONDITION.
expect_where() {
  local n
  n="$(pixels_where "$3" "$4" "$5" "$6" "$7")"
  [ "$n" -ge "$2" ] || fail "$1: $n pixels, wanted at least $2"
}

# The title's 18 swatch colours as "R G B", two rows of nine.
PALETTE=("0 255 255" "57 255 20" "255 0 255" "255 255 50" "255 20 147" "138 43 226"
         "255 69 0" "0 255 127" "255 255 255" "173 216 230" "240 128 128" "144 238 144"
         "192 192 192" "218 165 32" "72 61 139" "255 218 185" "0 128 128" "128 0 0")

# The title on a screen W pixels wide, read from the last screenshot.
# read_swatches: sets SHOWN, the number of swatch centres in their palette
# colour, and CHOSEN, the swatches wearing the white ring of the chosen
# colour. The pulse moves the ring between 26 and 36 pixels from the centre;
# it is looked for on the side away from the other row, which a chosen
# neighbour's ring may reach.
read_swatches() {
  local result
  result="$(region $((W / 2 - 340)) 510 680 145 | awk -v palette="${PALETTE[*]}" -v left=$((W / 2 - 300)) '
    BEGIN { split(palette, p, " ") }
    {
      i = ($1 - left) / 75
      if (i != int(i) || i < 0 || i > 8) next
      if ($2 == 550 || $2 == 615) {
        k = i + ($2 == 615 ? 9 : 0)
        if ($3 == p[3 * k + 1] && $4 == p[3 * k + 2] && $5 == p[3 * k + 3]) shown++
      }
      white = $3 == 255 && $4 == 255 && $5 == 255
      if (white && $2 >= 513 && $2 <= 524) ring[i] = 1
      if (white && $2 >= 641 && $2 <= 652) ring[i + 9] = 1
    }
    END {
      printf "%d", shown
      for (k = 0; k < 18; k++) if (k in ring) printf " %d", k
      print ""
    }')"
  SHOWN="${result%% *}"
  CHOSEN="$(echo "${result#"$SHOWN"}" | xargs)"
  [ -n "$CHOSEN" ] || CHOSEN=none
}

# title_outline: pixels of the title's cyan outline.
title_outline() {
  pixels_where $((W / 2 - 320)) 120 640 130 'r < 60 && g > 90 && b > 90 && g - b < 30 && b - g < 30'
}

# name_ink: white pixels of the name label above the blinking cursor, which
# sits below the baseline.
name_ink() {
  pixels_where $((W / 2 - 300)) 360 600 62 'r > 200 && g > 200 && b > 200'
}

# close_like_wm: a WM_DELETE_WINDOW message to the game's window.
close_like_wm() {
  current_window
  "$WM_CLOSE" "$WINDOW" || fail "could not send WM_DELETE_WINDOW"
}

# expect_clean_exit: the game ends by itself with status 0 and wrote nothing.
expect_clean_exit() {
  local i status
  for i in $(seq 1 100); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$GAME_PID" 2>/dev/null && fail "the game did not exit"
  status=0
  wait "$GAME_PID" || status=$?
  GAME_PID=""
  [ "$status" -eq 0 ] || fail "exit status $status"
  [ ! -s "$WORK/stdout" ] || fail "stdout: $(head -c 300 "$WORK/stdout")"
  [ ! -s "$WORK/stderr" ] || fail "stderr: $(head -c 300 "$WORK/stderr")"
}
