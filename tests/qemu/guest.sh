#!/bin/sh
# Runs in the qemu guest (tests/vm) as root: each check in turn, its results
# on standard output for check.py, with qemu recording every port access.
# Usage: guest.sh GUEST_TEST KALDERON_TEST
# The parallel port's modules come from the guest's cache (KALDERON_VM_MODULES).
guest_test=$1 program=$2
modules=$KALDERON_VM_MODULES
. "$(dirname "$0")/../../scripts/harness.sh"

echo "== ENOENT"
"$guest_test" refuse

# No modules.dep: load in dependency order (busybox's insmod: the host may
# have no kmod). Without ACPI's resources and
# with no IRQ the driver keeps bare control values. Two ports:
# /dev/parport0 at 0x378, /dev/parport1 at 0x278.
busybox insmod "$modules/parport.ko"
busybox insmod "$modules/parport_pc.ko" io=0x378,0x278 irq=none,none
busybox insmod "$modules/ppdev.ko"
echo "== SEQUENCE"
"$guest_test" sequence

echo "== SECOND BY DEVICE"
"$guest_test" sequence --port /dev/parport1

echo "== SECOND BY BASE"
"$guest_test" sequence --port 0x278

echo "== NOT LISTED"
"$guest_test" refuse --port 0x3bc

echo "== TIMER"
strace -o "$run_folder/strace.log" "$guest_test" timer
# Within the loop (first to last status read) every system call must be a
# status read.
awk '/PPRSTATUS/ { if (!first) first = NR; last = NR; n++ }
     { line[NR] = $0 }
     END { other = 0; for (i = first; i <= last; i++) if (line[i] !~ /PPRSTATUS/) other++;
           printf "STRACE status_reads=%d other_in_loop=%d\n", n, other }' "$run_folder/strace.log"
echo "STRACE ioctls=$(grep -c '^ioctl(' "$run_folder/strace.log") calls=$(grep -c '(' "$run_folder/strace.log")"

# Nothing is on qemu's port: the shipped program's check must find the port
# answering and no board.
echo "== CHECK"
"$program" --check
echo "CHECK status=$?"

echo "== EACCES"
"$guest_test" refuse-as 1000

echo "== ENXIO"
started "$guest_test" hold >"$run_folder/hold.out"
holder=$!
wait_for --while $holder "the port held" grep HOLDING "$run_folder/hold.out"
"$guest_test" refuse
kill $holder 2>/dev/null
ended $holder

# The shipped program as an operator starts it, on a display: keys only.
# From the first focus (Выход): Tab to A16, Space checks it; twelve more Tabs
# pass the other seven bits and the four radio buttons (each a tab stop) to
# "Записать"; Space writes 0x01 to the control register; Esc ends it.
start_x
panel() {
  started "$program" "$@"
  pid=$!
  x_window $pid "KALDERON TEST" && x_focus $pid "$found" &&
    xdotool key --delay 0 Tab space Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space Escape
  ended $pid
  echo "PANEL status=$?"
}
echo "== PANEL"
panel
echo "== PANEL SECOND"
panel --port /dev/parport1

echo "== DONE"
