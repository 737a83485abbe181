#!/bin/sh
# Boots the test guest (tests/vm) with two ISA parallel ports, 0x378 and
# 0x278, runs guest.sh there on the real parport, parport_pc and ppdev
# drivers, and checks qemu's record of every guest port access against what
# the link must put on the wire.
# Usage: run.sh WORK_DIR GUEST_TEST_EXE KALDERON_TEST_EXE EXPECTED_WIRE_EXE
set -eu
work=$1 guest=$2 program=$3 expected=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/harness.sh"
mkdir -p "$work"
rm -f "$work/ports.log"

# Every guest access to a device goes to qemu's trace with its I/O port
# number, through a pipe that keeps only the parallel ports' (the rest, the
# guest's 9p traffic and timers, runs to gigabytes). No ACPI resources for
# the ports: the driver is told where they are. qemu's options escape a
# comma by doubling it.
trace=$run_folder/trace
mkfifo "$trace"
started grep "name 'parallel'" "$trace" >"$work/ports.log"
reader=$!
status=0
waited "$here/../vm/vm.sh" --append "pnpacpi=off" \
  --qemu -parallel --qemu "file:$work/parallel0.out" --qemu -parallel --qemu "file:$work/parallel1.out" \
  --qemu -trace --qemu "memory_region_ops_*,file=$(printf '%s' "$trace" | sed 's/,/,,/g')" \
  "$work/vm" "$here/guest.sh" "$guest" "$program" >"$work/guest.log" || status=$?
# A reader still waiting for qemu (one that never started) sees the end now.
exec 3<>"$trace"
exec 3>&-
ended "$reader" || true
cat "$work/guest.log"
[ "$status" -eq 77 ] && exit 77
python3 "$here/check.py" "$work/guest.log" "$work/ports.log" "$expected"
