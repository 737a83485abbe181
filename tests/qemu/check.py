#!/usr/bin/env python3
"""Checks one qemu run of the guest test: the console's results and qemu's
trace of every guest access to the two parallel ports (0x378 and 0x278).

Usage: check.py GUEST_LOG PORTS_LOG EXPECTED_WIRE
EXPECTED_WIRE prints what the runs must put on the wire, from the helper the
link tests use (tests/support/expected_traffic.h).
"""
import re
import subprocess
import sys

BASE = 0x378
DATA, STATUS, CONTROL = 0x378, 0x379, 0x37A
SECOND_BASE = 0x278  # /dev/parport1
TIMER_POLL_LIMIT = 100000
CLAIM_CONTROL = 0x0C  # what the kernel's claim leaves in the control register
ANY = None            # a status read whose value the board decides

failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what)
    if not condition:
        failures.append(what)


def read_trace(path):
    """The parallel ports' accesses, each with its I/O port number."""
    pattern = re.compile(r"memory_region_ops_(read|write) .* addr 0x([0-9a-f]+) value 0x([0-9a-f]+) "
                         r"size 1 name 'parallel'")
    accesses = []
    with open(path) as f:
        for line in f:
            m = pattern.search(line)
            if m:
                accesses.append(("R" if m.group(1) == "read" else "W", int(m.group(2), 16), int(m.group(3), 16)))
    return accesses


def expected_wire(printer):
    """The printer's blocks, by name: each access at the classic base, a
    status read's value ANY."""
    blocks, name = {}, None
    for line in subprocess.run([printer], check=True, capture_output=True, text=True).stdout.splitlines():
        if line.startswith("== "):
            name = line[3:]
            blocks[name] = []
        else:
            kind, port, value = line.split()
            blocks[name].append((kind, int(port, 16), ANY if value == "??" else int(value, 16)))
    return blocks


def at_base(accesses, base):
    """The same accesses on the port at base."""
    return [(kind, port - BASE + base, value) for kind, port, value in accesses]


def matches(trace, at, expected):
    if at + len(expected) > len(trace):
        return False
    for (kind, port, value), (k, p, v) in zip(expected, trace[at:at + len(expected)]):
        if kind != k or port != p or (value is not ANY and value != v):
            return False
    return True


def claimed_then(trace, expected, name):
    """Where `expected` appears: once, right after the kernel's claim, so that
    nothing else reached the port in between. None where it does not."""
    starts = [i for i in range(len(trace)) if matches(trace, i, expected)]
    check(len(starts) == 1, "%s: its %d accesses appear once, contiguous and in order (found %d)"
          % (name, len(expected), len(starts)))
    if len(starts) != 1:
        return None
    start = claim = starts[0]
    control = expected[0][1] + 2
    while claim > 0 and trace[claim - 1] == ("W", control, CLAIM_CONTROL):
        claim -= 1
    check(start - claim >= 1, "%s: right after the claim wrote 0x%02X to 0x%03X (%d writes)"
          % (name, CLAIM_CONTROL, control, start - claim))
    return start


def fmt(a):
    return "%s %03X %02X" % a


def section(console, name):
    m = re.search(r"== %s\n(.*?)(?=\n== |\Z)" % name, console, re.S)
    return m.group(1) if m else ""


def main(console_path, trace_path, printer):
    console = open(console_path, errors="replace").read()
    trace = read_trace(trace_path)
    wire = expected_wire(printer)
    check("== DONE" in console, "the guest ran every check to the end")

    # --- The operations, access for access ------------------------------------
    start = claimed_then(trace, wire["sequence"], "the sequence run")
    if start is not None:
        low, high = trace[start + 17][2], trace[start + 19][2]
        byte = (high & 0xF0) | ((low & 0xF0) >> 4)
        check(("READ 0x%02X" % byte) in section(console, "SEQUENCE"),
              "ReadDataByte returned 0x%02X, from status reads 0x%02X then 0x%02X" % (byte, low, high))
        print("      a full WriteRegister(REG_ADDR_HIGH, 0x5A) on the wire: "
              + ", ".join(fmt(a) for a in trace[start + 12:start + 16]))

    # --- The second port, named by its device and by its base ----------------
    second = at_base(wire["sequence"], SECOND_BASE)
    runs = [i for i in range(len(trace)) if matches(trace, i, second)]
    check(len(runs) == 2, "--port /dev/parport1 and --port 0x278: the same %d accesses at 0x%X, once each "
          "(found %d)" % (len(second), SECOND_BASE, len(runs)))
    for name in ("SECOND BY DEVICE", "SECOND BY BASE"):
        check("READ 0x" in section(console, name), "%s: the run read a byte back" % name)
    text = section(console, "NOT LISTED")
    check('"0x3bc" is not a parallel port here' in text and
          "Parallel ports here: /dev/parport0 (0x378), /dev/parport1 (0x278)." in text and
          "REFUSAL status=1" in text,
          "--port 0x3bc: refused with status 1, naming it and listing the kernel's two ports")

    # --- The timer: exactly the limit of status reads, nothing else -------------
    pulses = [i for i in range(len(trace) - 1)
              if trace[i] == ("W", CONTROL, 0x08) and trace[i + 1] == ("W", CONTROL, 0x00)]
    timed = []
    for i in pulses:
        n = 0
        while i + 2 + n < len(trace) and trace[i + 2 + n][:2] == ("R", STATUS):
            n += 1
        timed.append(n)
    check(TIMER_POLL_LIMIT in timed, "MeasureTimer pulsed 0x08, 0x00, then made exactly %d status reads "
          "(qemu's idle status has bit 3 set: the line never clears)" % TIMER_POLL_LIMIT)
    check("TIMER 99999" in section(console, "TIMER"), "MeasureTimer returned 99999")
    check("STRACE status_reads=100000 other_in_loop=0" in section(console, "TIMER"),
          "strace: 100000 PPRSTATUS ioctls, and no other system call between the first and the last")

    # --- The shipped program, driven by keys on a display ---------------------
    # Its start claims the port; the panel itself touches nothing until the
    # operator's Write of 0x01 to the control register.
    for name, base in (("PANEL", BASE), ("PANEL SECOND", SECOND_BASE)):
        claimed_then(trace, at_base(wire["panel write"], base), name)
        check("PANEL status=0" in section(console, name), "%s: Esc ended the program with status 0" % name)

    # --- The shipped program's check: a port with nothing on it ----------------
    start = claimed_then(trace, wire["check probe"], "the check's probe of the data register")
    if start is not None:
        check(trace[start + 5] == ("W", DATA, trace[start][2]),
              "the check wrote the data register back as it found it (0x%02X)" % trace[start][2])
        check(matches(trace, start + 6, wire["check board"]),
              "then the control register's codes (never the strobe), the nibbles and the timer's start")
    text = section(console, "CHECK")
    check("Verdict: /dev/parport0 (0x378): the port answers, no board does." in text and
          "ppdev answers it from its own copy" in text and "CHECK status=1" in text,
          "--check: the port answers, no board does, status 1; the control register's copy not counted")

    # --- Refusals ---------------------------------------------------------------
    refusals = [("ENOENT", "No such file or directory", "modules parport_pc and ppdev"),
                ("EACCES", "Permission denied", "group lp"),
                ("ENXIO", "No such device or address", "in use")]
    for name, reason, fix in refusals:
        text = section(console, name)
        m = re.search(r"REFUSAL status=(-?\d+)", text)
        check("/dev/parport0" in text and reason in text and fix in text,
              "%s: the message names the device, the reason (%s) and the fix" % (name, reason))
        check(m is not None and m.group(1) == "1", "%s: exit status 1" % name)

    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3]))
