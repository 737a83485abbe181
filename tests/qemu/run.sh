#!/bin/sh
# Boots the test guest (tests/vm) with two ISA parallel ports, 0x378 and
# 0x278, runs guest.sh there on the real parport, parport_pc and ppdev
# drivers, and checks qemu's record of every guest port access against what
# the link must put on the wire.
# Usage: run.sh WORK_DIR GUEST_TEST_EXE KALDERON_TEST_EXE
set -eu
work=$1 guest=$2 program=$3
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"
rm -f "$work/ports.log"

# Every guest access to a device goes to qemu's trace with its I/O port
# number; the check keeps the parallel ports'. No ACPI resources for the
# ports: the driver is told where they are.
status=0
"$here/../vm/vm.sh" --append "pnpacpi=off" \
  --qemu -parallel --qemu "file:$work/parallel0.out" --qemu -parallel --qemu "file:$work/parallel1.out" \
  --qemu -trace --qemu "memory_region_ops_*,file=$work/ports.log" \
  "$work/vm" "$here/guest.sh" "$guest" "$program" >"$work/guest.log" || status=$?
cat "$work/guest.log"
[ "$status" -eq 77 ] && exit 77
python3 "$here/check.py" "$work/guest.log" "$work/ports.log"
