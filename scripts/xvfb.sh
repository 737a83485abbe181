# Sourced by scripts that need an X display where there is none: starts Xvfb
# on a free display number, exports DISPLAY and sets XVFB_PID.
start_xvfb() {
  n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  # However slow the machine: until the server listens, or is gone.
  while [ ! -e "/tmp/.X11-unix/X$n" ] && kill -0 "$XVFB_PID" 2>/dev/null; do sleep 0.1; done
}
