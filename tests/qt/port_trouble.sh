#!/bin/sh
# The real-port program on a desktop, on a virtual X display of its own: the
# reason and the fix on standard error and in an error box, and status 1
# once the box is dismissed. A screenshot of the box goes to OUT_DIR.
#   refusal  /dev/parport0 cannot be had (skipped, 77, where it exists)
#   lost     the port fails after the claim (the preloaded VANISHING_PORT
#            library claims, then loses it)
# Usage: port_trouble.sh refusal|lost KALDERON_TEST VANISHING_PORT OUT_DIR
# Every wait is for a window, a picture or the program's end, each with a
# deadline. The program runs in the C locale, whatever the caller's: its box
# is then found by a Cyrillic title that no locale may garble, and the
# system's reasons read in English. It is started as from a desktop, with no
# terminal of its own (as every child the harness starts), whether the tests
# run at one or not.
set -u
case=$1 exe=$2 vanishing=$3 out=$4
if [ "$case" = refusal ] && [ -e /dev/parport0 ]; then
  echo "SKIPPED: this machine has a /dev/parport0, so the program would not refuse it"
  exit 77
fi
. "$(dirname "$0")/../../scripts/harness.sh"
start_x || exit 1
err=$run_folder/stderr
fail() { echo "FAIL: $1"; cat "$err"; exit 1; }

# The box must be up and holding the program; then OK ends it with status 1.
# Its picture once it is painted: more colours than a bare window and frame.
painted() {
  xwd -root -silent | convert xwd:- -trim "$out/$1.png" || return
  set -- "$(convert "$out/$1.png" -format %k info:)"
  echo "$1 colours"
  [ "$1" -gt 2 ]
}
expect_box() {
  x_window "$pid" "Ошибка" || fail "no error box"
  box=$found
  echo "the error box is up"
  wait_for --while "$pid" "the error box's picture" painted "$1" && kill -0 "$pid" 2>/dev/null ||
    fail "the program ended with its box still up"
  xdotool key --window "$box" Return 2>/dev/null
  ended "$pid"
  status=$?
  [ "$status" -eq 1 ] || fail "exit status $status, not 1"
}

if [ "$case" = refusal ]; then
  started env LC_ALL=C "$exe" 2>"$err"
  pid=$!
  expect_box refusal-box
  grep -q 'cannot use the parallel port /dev/parport0: No such file or directory' "$err" ||
    fail "standard error does not give the reason"
else
  # The loader splits LD_PRELOAD at spaces: the library by its name alone,
  # found in its folder, whatever that folder's path holds.
  started env LC_ALL=C LD_LIBRARY_PATH="$(dirname "$vanishing")" LD_PRELOAD="$(basename "$vanishing")" "$exe" 2>"$err"
  pid=$!
  x_window "$pid" "KALDERON TEST" || fail "the panel did not open on the claimed port"
  # From "Выход", Shift+Tab is "Тест таймера": its first access finds the port gone.
  x_focus "$pid" "$found" || fail "the panel never had the focus"
  xdotool key shift+Tab space
  echo "the panel had the focus; its timer was pressed"
  expect_box lost-port-box
  grep -q 'parallel port /dev/parport0 failed: No such device' "$err" ||
    fail "standard error does not give the reason"
fi
echo PASS
