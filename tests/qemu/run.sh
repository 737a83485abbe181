#!/bin/sh
# Boots the test guest (tests/vm) with two ISA parallel ports, 0x378 and
# 0x278, runs guest.sh there on the real parport, parport_pc and ppdev
# drivers, and checks qemu's record of every guest port access against what
# the link must put on the wire.
# Usage: run.sh WORK_DIR GUEST_TEST_EXE KALDERON_TEST_EXE EXPECTED_WIRE_EXE
set -eu
work=$1 guest=$2 program=$3 expected=$4
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"
rm -f "$work/ports.log"

# Whatever ends this script ends the guest and the trace's reader with it,
# a second signal notwithstanding. The shell runs a trap only once its
# foreground child has ended, so the guest runs in the background and is
# waited for.
vm="" reader=""
cleanup() {
  set +e
  trap '' HUP INT TERM
  [ -z "$vm" ] || kill "$vm" 2>/dev/null
  [ -z "$reader" ] || kill "$reader" 2>/dev/null
  wait
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# Every guest access to a device goes to qemu's trace with its I/O port
# number, through a pipe that keeps only the parallel ports' (the rest, the
# guest's 9p traffic and timers, runs to gigabytes). No ACPI resources for
# the ports: the driver is told where they are. qemu's options escape a
# comma by doubling it.
trace=$work/trace.fifo
rm -f "$trace" && mkfifo "$trace"
grep "name 'parallel'" <"$trace" >"$work/ports.log" &
reader=$!
status=0
"$here/../vm/vm.sh" --append "pnpacpi=off" \
  --qemu -parallel --qemu "file:$work/parallel0.out" --qemu -parallel --qemu "file:$work/parallel1.out" \
  --qemu -trace --qemu "memory_region_ops_*,file=$(printf '%s' "$trace" | sed 's/,/,,/g')" \
  "$work/vm" "$here/guest.sh" "$guest" "$program" >"$work/guest.log" &
vm=$!
wait "$vm" || status=$?
vm=""
# A reader still waiting for qemu (one that never started) sees the end now.
exec 3<>"$trace"
exec 3>&-
wait "$reader" || true
reader=""
cat "$work/guest.log"
[ "$status" -eq 77 ] && exit 77
python3 "$here/check.py" "$work/guest.log" "$work/ports.log" "$expected"
