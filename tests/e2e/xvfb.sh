# Starts a private Xvfb on a display it finds free and exports DISPLAY once the server is ready; stop_xvfb ends it.
# -noreset: by default the server resets when its last client leaves, and drops a client connecting meanwhile.
start_xvfb() {
  local n=""
  read -r -t 10 n < <(exec Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>&1 >/dev/null 2>&1) || true
  XVFB_PID=$!
  [ -n "$n" ] || { echo "could not start Xvfb" >&2; return 1; }
  export DISPLAY=":$n"
}

stop_xvfb() { [ -z "${XVFB_PID:-}" ] || { kill "$XVFB_PID" && wait "$XVFB_PID"; } 2>/dev/null || true; XVFB_PID=; }
