# Desktops as players have them, for the scenarios that place windows, whose screenshots show the game's window alone
# (GAME_SHOTS): a screen may hold more than its monitor. start_desktop LAYOUT exports DISPLAY and sets MONITORS, the
# monitors' areas as WxH+X+Y, the primary (or else the first) on the first line, and MOVABLE where the game's window
# can be moved from one monitor to another.
DESKTOP_PIDS="" AT_EXIT=stop_desktop GAME_SHOTS=1
stop_desktop() { for pid in $DESKTOP_PIDS; do kill -- "-$pid" 2>/dev/null; done; }
# in_background COMMAND...: a process group of its own, so that stop_desktop ends its children too. Its output goes
# to a log made before it starts, to be read at once.
DESKTOP_LOG="$WORK/desktop.log" && : >"$DESKTOP_LOG"
in_background() { setsid "$@" >>"$DESKTOP_LOG" 2>&1 & DESKTOP_PIDS+=" $!"; }
# waiting_for WHAT CHECK: the shell code CHECK holds within ten seconds, or the scenario fails with the log's end.
waiting_for() {
  for _ in $(seq 100); do eval "$2" && return 0; sleep 0.1; done
  fail "no $1: $(tail -3 "$DESKTOP_LOG")"
}

start_desktop() {
  case "$1" in
  one) start_xvfb 1920x1080x24 ;;  # one 1920 x 1080 screen, no window manager
  two*)  # two 1920 x 1080 monitors side by side on one X screen
    start_xvfb 3840x1080x24
    xrandr --setmonitor LEFT 1920/508x1080/286+0+0 screen --setmonitor RIGHT 1920/508x1080/286+1920+0 none >/dev/null
    case "$1" in
    two) MOVABLE=1 ;;  # with no window manager
    two-openbox) start_window_manager openbox && MOVABLE=1 ;;
    # Xfce's window manager counts only the monitors with an output of their own, which the second one here has not:
    # it keeps windows on the first.
    two-xfwm4) start_window_manager dbus-run-session -- xfwm4 --compositor=off --sm-client-disable ;;
    esac
    ;;
  # Wayland desktops with one 1920 x 1080 output or two side by side, running the game through Xwayland.
  weston) start_xvfb 1920x1080x24 && start_weston --output-count=1 ;;
  weston-two) start_xvfb 3840x1080x24 && start_weston --output-count=2 ;;
  *) fail "no desktop layout $1" ;;
  esac
  MONITORS="$(xrandr --listmonitors | awk 'NR > 1 { gsub(/\/[0-9]+/, "", $3); print ($2 !~ /\*/), $3 }' |
    sort -s -k1,1 | cut -d' ' -f2)"
}

start_window_manager() {
  in_background "$@" && waiting_for "window manager" "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
}

# start_weston OPTIONS...: weston with Xwayland, in a runtime folder of its own, its outputs 1920 x 1080 windows on
# the X server at hand, which also gives it a seat; exports DISPLAY, its Xwayland's. (Headless, without a seat,
# weston 14's shell lays a fullscreen X window below its panel.)
start_weston() {
  export XDG_RUNTIME_DIR="$WORK/runtime" && mkdir -m 700 "$XDG_RUNTIME_DIR" && WAYLAND=1
  in_background weston --backend=x11-backend.so --width=1920 --height=1080 --xwayland --use-pixman --idle-time=0 "$@"
  waiting_for weston 'n="$(sed -n "s/.*xserver listening on display :\([0-9]*\).*/\1/p" "$DESKTOP_LOG")" && [ -n "$n" ]'
  export DISPLAY=":$n"
}

# On Wayland the compositor alone gives X windows the keyboard (and alone moves them): keys go to the game's window.
press() { xdotool key ${WAYLAND:+--window "$WINDOW"} "$@"; }

# game_window: sets WINDOW to the newest window, AREA to its area as WxH+X+Y (its frame left out), W, H, X and Y.
game_window() {
  local WIDTH HEIGHT SCREEN && current_window && eval "$(xdotool getwindowgeometry --shell "$WINDOW")" &&
    W="$WIDTH" H="$HEIGHT" AREA="${WIDTH}x$HEIGHT+$X+$Y"
}
# fills MONITOR: the newest window covers that monitor exactly. On Wayland the compositor chooses the output of a
# fullscreen window (weston the one with the pointer, whatever the window asks): any one will do there.
fills() {
  local allowed="$1" && [ -z "${WAYLAND:-}" ] || allowed="$MONITORS"
  game_window && WHY="the window is $AREA, not ${allowed//$'\n'/ or }" && grep -qx "$AREA" <<<"$allowed"
}
# windowed: the newest window is 1280 x 720 and wholly inside one monitor, which it sets to MONITOR.
windowed() {
  game_window && WHY="the window is $AREA" && [ "$W" = 1280 ] && [ "$H" = 720 ] &&
    MONITOR="$(awk -F '[x+]' -v x="$X" -v y="$Y" '$3 <= x && $4 <= y && x + 1280 <= $1 + $3 && y + 720 <= $2 + $4' \
      <<<"$MONITORS")" && [ -n "$MONITOR" ]
}
