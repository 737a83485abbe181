#!/bin/sh
# The real-port program on a desktop, on a virtual X display of its own: the
# reason and the fix on standard error and in an error box, and status 1
# once the box is dismissed. A screenshot of the box goes to OUT_DIR.
#   refusal  /dev/parport0 cannot be had (skipped, 77, where it exists)
#   lost     the port fails after the claim (the preloaded VANISHING_PORT
#            library claims, then loses it)
# Usage: port_trouble.sh refusal|lost KALDERON_TEST VANISHING_PORT OUT_DIR
# Every wait is for a window or the program's end; CTest's timeout is the
# only bound. The program runs in the C locale, whatever the caller's: its
# box is then found by a Cyrillic title that no locale may garble, and the
# system's reasons read in English. It is started as from a desktop, with no
# terminal of its own (setsid), whether the tests run at one or not.
set -u
case=$1 exe=$2 vanishing=$3 out=$4
if [ "$case" = refusal ] && [ -e /dev/parport0 ]; then
  echo "SKIPPED: this machine has a /dev/parport0, so the program would not refuse it"
  exit 77
fi
# The program and the server end with this script, however it ends.
pid="" XVFB_PID="" err=""
trap 'kill $pid $XVFB_PID 2>/dev/null; rm -f "$err"' EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
. "$(dirname "$0")/../../scripts/xvfb.sh"
unset WAYLAND_DISPLAY
start_xvfb || exit 1
fail() { echo "FAIL: $1"; [ -f "$err" ] && cat "$err"; exit 1; }
err=$(mktemp)

# A top-level window with this exact title, once it is shown; nothing if the
# program ends first.
window() {
  until id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ]; do
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  echo "$id"
}

# The box must be up and holding the program; then OK ends it with status 1.
# Its picture once it is painted: more colours than a bare window and frame.
expect_box() {
  box=$(window "Ошибка") || fail "no error box"
  echo "the error box is up"
  until xwd -root -silent | convert xwd:- -trim "$out/$1.png" &&
    [ "$(convert "$out/$1.png" -format %k info:)" -gt 2 ]; do sleep 0.1; done
  kill -0 "$pid" 2>/dev/null || fail "the program ended with its box still up"
  xdotool key --window "$box" Return 2>/dev/null
  wait "$pid"
  status=$?
  [ "$status" -eq 1 ] || fail "exit status $status, not 1"
}

if [ "$case" = refusal ]; then
  setsid env LC_ALL=C "$exe" 2>"$err" &
  pid=$!
  expect_box refusal-box
  grep -q 'cannot use the parallel port /dev/parport0: No such file or directory' "$err" ||
    fail "standard error does not give the reason"
else
  # The loader splits LD_PRELOAD at spaces: the library by its name alone,
  # found in its folder, whatever that folder's path holds.
  setsid env LC_ALL=C LD_LIBRARY_PATH="$(dirname "$vanishing")" LD_PRELOAD="$(basename "$vanishing")" "$exe" 2>"$err" &
  pid=$!
  panel=$(window "KALDERON TEST") || fail "the panel did not open on the claimed port"
  # From "Выход", Shift+Tab is "Тест таймера": its first access finds the port gone.
  # The keys go where the focus is: asked for until the panel has it, however
  # slow the machine (xdotool's own --sync gives up after a while).
  until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$panel" ]; do
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its panel had the focus"
    xdotool windowfocus "$panel" 2>/dev/null
    sleep 0.1
  done
  xdotool key shift+Tab space
  echo "the panel had the focus; its timer was pressed"
  expect_box lost-port-box
  grep -q 'parallel port /dev/parport0 failed: No such device' "$err" ||
    fail "standard error does not give the reason"
fi
echo PASS
