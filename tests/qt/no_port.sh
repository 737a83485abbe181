#!/bin/sh
# kalderon-test refusing a port it cannot use: it says why on standard error
# and exits 1 before it opens any window (so with no display at all, Qt never
# gets to complain). Each case: the program, the arguments, then what the
# message must say. First, with no display, the simulated board's program
# says so in one line.
# Usage: no_port.sh KALDERON_TEST KALDERON_TEST_SIM
set -u
exe=$1 sim=$2
failed=0
refused() {
  program=$1 args=$2
  shift 2
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" $args 2>&1 >/dev/null)
  status=$?
  problem=""
  [ "$status" -eq 1 ] || problem="exit status $status, not 1"
  for said in "$@"; do
    echo "$err" | grep -qF -- "$said" || problem="$problem; does not say: $said"
  done
  echo "$err" | grep -qi 'qt\.\|plugin\|xcb' && problem="$problem; Qt spoke"
  if [ -n "$problem" ]; then
    echo "FAIL [$args]: $problem"
    echo "$err"
    failed=1
  else
    echo "PASS [$args]"
  fi
}
refused "$sim" "" 'kalderon-test-sim: no display to open the panel on.' 'make run' 'ssh -X'
[ "$(echo "$err" | wc -l)" -eq 1 ] || { echo "FAIL: more than one line"; failed=1; }
if [ -e /dev/parport0 ] || [ -d /proc/sys/dev/parport ]; then
  echo "SKIPPED: this machine has parallel ports; the refusals are tested where there are none"
  [ $failed -eq 0 ] && exit 77
  exit 1
fi
none='The kernel has no parallel port.'
refused "$exe" "" '/dev/parport0' 'No such file or directory' 'parport_pc and ppdev' "$none"
refused "$exe" "--port /dev/parport1" '/dev/parport1' 'No such file or directory' "$none"
refused "$exe" "--port=0x278" '"0x278" is not a parallel port here' '--port /dev/parport1' "$none"
refused "$exe" "--port xyz" '"xyz" is not a parallel port here'
exit $failed
