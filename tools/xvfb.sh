# Sourced by scripts: start_xvfb gives the script a private virtual display (unless one is
# already set) and ends the display and its wine server when the script exits.
start_xvfb() {
  if [ -n "${DISPLAY:-}" ]; then return; fi
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  # A display of a larger scale (VARNEL_DPI) has as many more pixels.
  local dpi=${VARNEL_DPI:-96}
  Xvfb ":$n" -screen 0 "$((1280 * dpi / 96))x$((1024 * dpi / 96))x24" -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  local i
  for i in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
  export DISPLAY=":$n"
  trap stop_xvfb EXIT
}

stop_xvfb() {
  # The wine server keeps the display it first saw: end it before the display goes, in the
  # prefix and in each one tools/wine-run made from it (BASE-win32, BASE-win64-dpi144...).
  local prefix
  for prefix in "${WINEPREFIX:-$HOME/.wine}" "${WINEPREFIX:-$HOME/.wine}"-win32* "${WINEPREFIX:-$HOME/.wine}"-win64*; do
    [ -d "$prefix" ] && WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  done
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
}
