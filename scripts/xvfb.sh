# Sourced by scripts that need an X display of their own: starts Xvfb on the
# first free display, exports DISPLAY and sets XVFB_PID. The server picks the
# number and reports it (-displayfd), so runs started together never race
# for one; the caller ends the server.
start_xvfb() {
  xvfb_folder=$(mktemp -d "${TMPDIR:-/tmp}/kalderon-xvfb.XXXXXX")
  xvfb_fifo=$xvfb_folder/display
  mkfifo "$xvfb_fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$xvfb_fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  # However slow the machine: until the server listens, or is gone (the
  # fifo then ends empty).
  read -r xvfb_display <"$xvfb_fifo" || true
  rm -rf "$xvfb_folder"
  if [ -z "$xvfb_display" ]; then
    echo "FAIL: Xvfb could not start" >&2
    return 1
  fi
  export DISPLAY=":$xvfb_display"
}
