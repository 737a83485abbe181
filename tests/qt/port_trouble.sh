#!/bin/sh
# The real-port program on a desktop, on a virtual X display of its own: when
# /dev/parport0 cannot be had, and when it fails after it was claimed (the
# preloaded VANISHING_PORT library claims, then loses it), the reason and
# the fix are on standard error and in an error box; the program ends with
# status 1 once the box is dismissed. Screenshots of both boxes go to OUT.
# Usage: port_trouble.sh KALDERON_TEST VANISHING_PORT OUT_DIR
set -u
exe=$1 vanishing=$2 out=$3
. "$(dirname "$0")/../../scripts/xvfb.sh"
unset WAYLAND_DISPLAY
start_xvfb
trap 'kill $XVFB_PID 2>/dev/null' EXIT
fail() { echo "FAIL: $1"; [ -f "$err" ] && cat "$err"; exit 1; }
err=$(mktemp)

# Waits up to 30 s for a top-level window with this exact title (a first Qt
# start on a new machine builds its font cache).
window() {
  for _ in $(seq 300); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# The box must be up and holding the program; then OK ends it with status 1.
expect_box() {
  box=$(window "Ошибка") || fail "$1: no error box"
  sleep 0.3
  kill -0 "$pid" 2>/dev/null || fail "$1: the program ended with its box still up"
  xwd -root -silent | convert xwd:- -trim "$out/$1.png"
  xdotool key --window "$box" Return 2>/dev/null
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "$1: the program did not end after OK"; }
  wait "$pid"
  status=$?
  [ "$status" -eq 1 ] || fail "$1: exit status $status, not 1"
}

if [ -e /dev/parport0 ]; then
  echo "SKIPPED refusal: this machine has a /dev/parport0"
else
  "$exe" 2>"$err" &
  pid=$!
  expect_box refusal-box
  grep -q 'cannot use the parallel port /dev/parport0: No such file or directory' "$err" ||
    fail "refusal: standard error does not give the reason"
  echo "PASS refusal"
fi

LD_PRELOAD=$vanishing "$exe" 2>"$err" &
pid=$!
panel=$(window "KALDERON TEST") || fail "lost: the panel did not open on the claimed port"
sleep 0.3
# From "Выход", Shift+Tab is "Тест таймера": its first access finds the port gone.
xdotool key --window "$panel" shift+Tab
sleep 0.2
xdotool key --window "$panel" space
expect_box lost-port-box
grep -q 'parallel port /dev/parport0 failed: No such device' "$err" ||
  fail "lost: standard error does not give the reason"
echo "PASS lost port"
rm -f "$err"
