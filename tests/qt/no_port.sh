#!/bin/sh
# kalderon-test refusing a port it cannot use: it says why on standard error
# and exits 1 before it opens any window (so with no display at all, Qt never
# gets to complain). Each case: the arguments, then what the message must say.
set -u
exe=$1
if [ -e /dev/parport0 ] || [ -d /proc/sys/dev/parport ]; then
  echo "SKIPPED: this machine has parallel ports; the refusals are tested where there are none"
  exit 77
fi
failed=0
refused() {
  args=$1
  shift
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$exe" $args 2>&1 >/dev/null)
  status=$?
  problem=""
  [ "$status" -eq 1 ] || problem="exit status $status, not 1"
  for said in "$@"; do
    echo "$err" | grep -qF -- "$said" || problem="$problem; does not say: $said"
  done
  echo "$err" | grep -qi 'qt\|display\|xcb' && problem="$problem; a window was attempted"
  if [ -n "$problem" ]; then
    echo "FAIL [$args]: $problem"
    echo "$err"
    failed=1
  else
    echo "PASS [$args]"
  fi
}
none='The kernel has no parallel port.'
refused "" '/dev/parport0' 'No such file or directory' 'parport_pc and ppdev' "$none"
refused "--port /dev/parport1" '/dev/parport1' 'No such file or directory' "$none"
refused "--port=0x278" '"0x278" is not a parallel port here' '--port /dev/parport1' "$none"
refused "--port xyz" '"xyz" is not a parallel port here'
exit $failed
