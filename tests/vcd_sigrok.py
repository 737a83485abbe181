#!/usr/bin/env python3
"""The simulated board's waveform as a reader we did not write sees it:
sigrok-cli's VCD input, on a Write of 0x1A to address high and a Read.

Usage: vcd_sigrok.py VCD_WRITE_READ_PROGRAM OUT.vcd   (runs the program first)
       vcd_sigrok.py --vcd FILE.vcd                   (a file another run wrote)
"""
import subprocess
import sys

if sys.argv[1] == "--vcd":
    vcd = sys.argv[2]
else:
    program, vcd = sys.argv[1], sys.argv[2]
    subprocess.run([program, vcd], check=True)
# Written in binary on every platform: a carriage return would be a text
# trace written in text mode on Windows.
if b"\r" in open(vcd, "rb").read():
    print("FAIL: the waveform has carriage returns")
    sys.exit(1)
csv = subprocess.run(["sigrok-cli", "-I", "vcd", "-i", vcd, "-O", "csv"],
                     check=True, capture_output=True, text=True).stdout

names, samples = [], []
for line in csv.splitlines():
    if line.startswith("; Channels"):
        names = [n.strip() for n in line.split(":", 1)[1].split(",")]
    elif line and line[0] in "01":
        samples.append(dict(zip(names, map(int, line.split(",")))))

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def byte(sample, prefix, first=0, count=8):
    """The wires prefix<first>.. as a number, the first one as its bit 0."""
    return sum(sample[f"{prefix}{first + i}"] << i for i in range(count))


def runs(wire):
    """(start, end) sample ranges where the wire is 1."""
    found, start = [], None
    for t, s in enumerate(samples + [{wire: 0}]):
        if s[wire] and start is None:
            start = t
        if not s[wire] and start is not None:
            found.append((start, t))
            start = None
    return found


# One access per microsecond: the start state and the eight accesses.
check(len(samples) == 9, f"{len(samples)} samples, not 9: the last access's state is lost")

strobes = runs("CTRL0")
check(len(strobes) == 1, f"{len(strobes)} pulses on CTRL0, not one")
if strobes:
    rise, fall = strobes[0]
    for t in range(rise, fall):
        check(byte(samples[t], "DATA") == 0x1A, f"DATA0-7 not 0x1A through the strobe at {t} us")
        check(byte(samples[t], "CTRL", 1, 2) == 3, f"CTRL1-2 not address high's code at {t} us")
    check(byte(samples[rise - 1], "A", 8) == 0x00, "A8-A15 already set before the strobe")
    check(byte(samples[rise], "A", 8) == 0x1A, "A8-A15 did not latch 0x1A on the rising strobe")
    check(byte(samples[-1], "A", 8) == 0x1A, "A8-A15 did not hold 0x1A")

reads = runs("STATUS_READ")
nibbles = [byte(samples[start], "STAT", 4, 4) for start, _ in reads]
check(nibbles == [0xA, 0x1], f"read-back nibbles {nibbles}, not the low 0xA then the high 0x1")
check(bool(reads) and reads[-1][0] == len(samples) - 1, "the last read is not the last sample")

for f in failures:
    print("FAIL:", f)
print("PASS" if not failures else f"{len(failures)} failures")
sys.exit(1 if failures else 0)
