#!/usr/bin/env python3
"""A panel session recorded (the seeded random run, --record) into a file
whose last session ended in step mode; then replayed by kalderon-test-sim
--run on a pty that answers each step pause shown there, with standard output
in a file: the same port trace, every read as the panel showed it and every
timer press as the band around its count (status 0), as many pauses as the
session made, and an output of the run's own lines, then its closing line.
Usage: record_replay.py PANEL_RANDOM_RUN KALDERON_TEST_SIM OUT_DIR"""
import os, pty, re, select, signal, subprocess, sys

random_run, sim, out = sys.argv[1:4]
record, session, output, replay = (os.path.join(out, name) for name in
                                   ("session.txt", "session-trace.txt", "replay-output.txt", "replay-trace.txt"))
for path in (session, output, replay):
    os.path.exists(path) and os.remove(path)
# The session before left the board as it was, in step mode.
open(record, "w").write("# kalderon-test-sim: a panel session recorded before\nsteps on\n")
said = subprocess.run([random_run, "--seed", "20261209", "--actions", "3000", "--record", record, session],
                      check=True, stdout=subprocess.PIPE, text=True).stdout
made = int(re.search(r"\((\d+) step pauses\)", said).group(1))
# Each timer press, on the simulated board's 5000 reads, as a band around it.
bands = [(int(a), int(b)) for a, b in re.findall(r"^timer = (\d+)\.\.(\d+)$", open(record).read(), re.M)]
if not bands or any((least, most) != (3750, 6250) for least, most in bands):
    sys.exit("FAIL: the timer presses were recorded as %s" % (bands or "nothing"))
pid, terminal = pty.fork()
if pid == 0:
    os.dup2(os.open(output, os.O_WRONLY | os.O_CREAT | os.O_TRUNC), 1)
    os.execve(sim, [sim, "--run", record], dict(os.environ, KALDERON_PORT_TRACE=replay))
answered, shown = 0, b""
while True:
    if not select.select([terminal], [], [], 60)[0]:  # a pause shown nowhere waits for ever
        os.kill(pid, signal.SIGKILL)
        print("the replay showed nothing for a minute")
        break
    try:
        shown += os.read(terminal, 65536)
    except OSError:  # the replay has ended, and its terminal with it
        break
    pauses = sum(shown.count(phase.encode()) for phase in ("на шине", "выставлен", "снят"))  # the four phases
    os.write(terminal, b"\n" * (pauses - answered))
    answered = pauses
status = os.waitstatus_to_exitcode(os.waitpid(pid, 0)[1])
recorded, replayed = (open(path).read().splitlines() for path in (session, replay))
lines = open(output).read().splitlines()
reads = len(re.findall(r"^read = ", open(record).read(), re.M))
closing = "%s: %d read%s and %d timer%s as expected on the simulated board" % (
    record, reads, "s" * (reads != 1), len(bands), "s" * (len(bands) != 1))
stray = [line for line in lines[:-1] if not re.fullmatch(r"read 0x[0-9A-F]{2}|timer \d+", line)]
stray += [] if lines[-1:] == [closing] else ["not the closing line: %s" % lines[-1:]]
print("replay: %d pauses of %d, status %d; traces of %d and %d accesses; %d stray output lines %s"
      % (answered, made, status, len(recorded), len(replayed), len(stray), stray[:3]))
sys.exit(0 if status == 0 and answered == made > 0 and recorded == replayed and not stray else "FAIL")
