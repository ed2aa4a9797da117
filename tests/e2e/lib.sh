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
