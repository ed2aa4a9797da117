# Desktops as players have them, for the scenarios that place windows. start_desktop LAYOUT exports DISPLAY and sets
# MONITORS, the monitors' areas as WxH+X+Y, the primary (or else the first) on the first line, and MOVABLE where
# the game's window can be moved from one monitor to another. LAYOUT is one of
#   one          one 1920 x 1080 screen, no window manager
#   two          two 1920 x 1080 monitors side by side on one X screen, no window manager
#   two-openbox  the same under openbox
#   two-xfwm4    the same under xfwm4, Xfce's window manager, which counts only the monitors that have an output of
#                their own, as real monitors have and the second one here has not: it keeps windows on the first
#   weston       a Wayland desktop with one 1920 x 1080 output, running the game through Xwayland
#   weston-two   the same with two outputs side by side
# On Wayland the compositor alone gives X windows the keyboard, and alone moves them: press sends its keys to the
# game's window itself there.
DESKTOP_PIDS=""
AT_EXIT=stop_desktop
stop_desktop() { for pid in $DESKTOP_PIDS; do kill -- "-$pid" 2>/dev/null; done; }
# in_background COMMAND...: a process group of its own, so that stop_desktop ends its children too. Its output goes
# to a log made before it starts, to be read at once.
DESKTOP_LOG="$WORK/desktop.log" && : >"$DESKTOP_LOG"
in_background() { setsid "$@" >>"$DESKTOP_LOG" 2>&1 & DESKTOP_PIDS+=" $!"; }

start_desktop() {
  case "$1" in
  one) start_xvfb 1920x1080x24 ;;
  two*)
    start_xvfb 3840x1080x24
    xrandr --setmonitor LEFT 1920/508x1080/286+0+0 screen >/dev/null
    xrandr --setmonitor RIGHT 1920/508x1080/286+1920+0 none >/dev/null
    case "$1" in
    two) MOVABLE=1 ;;
    two-openbox) start_window_manager openbox && MOVABLE=1 ;;
    two-xfwm4) start_window_manager dbus-run-session -- xfwm4 --compositor=off --sm-client-disable ;;
    esac
    ;;
  weston) start_xvfb 1920x1080x24 && start_weston --output-count=1 ;;
  weston-two) start_xvfb 3840x1080x24 && start_weston --output-count=2 ;;
  *) fail "no desktop layout $1" ;;
  esac
  MONITORS="$(xrandr --listmonitors | awk 'NR > 1 { gsub(/\/[0-9]+/, "", $3); print ($2 !~ /\*/), $3 }' |
    sort -s -k1,1 | cut -d' ' -f2)"
}

# start_window_manager COMMAND...: until it names its check window on the root.
start_window_manager() {
  in_background "$@"
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' && return 0
    sleep 0.1
  done
  fail "no window manager: $(tail -3 "$DESKTOP_LOG")"
}

# start_weston OPTIONS...: weston with Xwayland, in a runtime folder of its own, its outputs 1920 x 1080 windows on
# the X server at hand, which also gives it a seat; exports DISPLAY, its Xwayland's. (Headless, without a seat,
# weston 14's shell lays a fullscreen X window below its panel.)
start_weston() {
  export XDG_RUNTIME_DIR="$WORK/runtime" && mkdir -m 700 "$XDG_RUNTIME_DIR" && WAYLAND=1
  in_background weston --backend=x11-backend.so --width=1920 --height=1080 --xwayland --use-pixman --idle-time=0 "$@"
  for _ in $(seq 100); do
    n="$(sed -n 's/.*xserver listening on display :\([0-9]*\).*/\1/p' "$DESKTOP_LOG")"
    [ -n "$n" ] && export DISPLAY=":$n" && return 0
    sleep 0.1
  done
  fail "weston did not start: $(tail -3 "$DESKTOP_LOG")"
}

press() { xdotool key ${WAYLAND:+--window "$WINDOW"} "$@"; }

# Screenshots show the game's window alone.
GAME_SHOTS=1
# game_window: sets WINDOW to the newest window, AREA to its area as WxH+X+Y (its frame left out), and W and H to its
# size.
game_window() {
  current_window && AREA="$(xdotool getwindowgeometry "$WINDOW" |
    awk '/Position/ { split($2, p, ",") } /Geometry/ { g = $2 } END { print g "+" p[1] "+" p[2] }')" &&
    read -r W H _ <<<"$(tr 'x+' '  ' <<<"$AREA")"
}
# fills MONITOR: the newest window covers that monitor exactly. On Wayland the compositor chooses the output of a
# fullscreen window (weston the one with the pointer, whatever the window asks): any one will do there.
fills() {
  local allowed="$1" && [ -z "${WAYLAND:-}" ] || allowed="$MONITORS"
  game_window && WHY="the window is $AREA, not ${allowed//$'\n'/ or }" && grep -qx "$AREA" <<<"$allowed"
}
# windowed: the newest window is 1280 x 720 and wholly inside one monitor, which it sets to MONITOR.
windowed() {
  game_window && WHY="the window is $AREA" && MONITOR="$(awk -v a="$AREA" 'BEGIN { split(a, w, /[x+]/) }
      { split($0, m, /[x+]/) }
      w[1] == 1280 && w[2] == 720 && w[3] >= m[3] && w[4] >= m[4] && w[3] + w[1] <= m[3] + m[1] &&
      w[4] + w[2] <= m[4] + m[2] { print; exit }' <<<"$MONITORS")" && [ -n "$MONITOR" ]
}
