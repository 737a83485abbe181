#!/bin/sh
# kalderon-test on a machine with no /dev/parport0: it says why and how to fix
# it on stderr and exits 1 before it opens any window (so with no display
# at all, Qt never gets to complain).
set -u
exe=$1
if [ -e /dev/parport0 ]; then
  echo "SKIPPED: this machine has a /dev/parport0; the refusal is tested where there is none"
  exit 0
fi
err=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 10 "$exe" 2>&1 >/dev/null)
status=$?
echo "$err"
fail() { echo "FAIL: $1"; exit 1; }
[ "$status" -eq 1 ] || fail "exit status $status, not 1"
echo "$err" | grep -q '/dev/parport0' || fail "the message does not name the device"
echo "$err" | grep -q 'No such file or directory' || fail "the message does not give the reason"
echo "$err" | grep -q 'parport_pc and ppdev' || fail "the message does not give the fix"
echo "$err" | grep -qi 'qt\|display\|xcb' && fail "a window was attempted"
echo "PASS"
