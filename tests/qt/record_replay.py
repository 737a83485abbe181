#!/usr/bin/env python3
"""A panel session recorded (the seeded random run, --record) and replayed
(kalderon-test-sim --run) on a terminal of its own, Enter answering each step
pause it prints: the replay must put on the port what the session did, access
for access, and find every byte the panel showed (status 0).
Usage: record_replay.py PANEL_RANDOM_RUN KALDERON_TEST_SIM OUT_DIR"""
import os, pty, subprocess, sys

random_run, sim, out = sys.argv[1:4]
record, session, replay = (os.path.join(out, name) for name in ("session.txt", "session-trace.txt", "replay-trace.txt"))
for path in (record, session, replay):
    if os.path.exists(path):
        os.remove(path)
subprocess.run([random_run, "--seed", "20261209", "--actions", "3000", "--record", record, session], check=True,
               stdout=subprocess.DEVNULL)
pid, terminal = pty.fork()
if pid == 0:
    os.execve(sim, [sim, "--run", record], dict(os.environ, KALDERON_PORT_TRACE=replay))
phases = [text.encode() for text in ("Данные на шине", "Адрес регистра выставлен", "Строб записи выставлен",
                                      "Строб записи снят")]
answered, said = 0, b""
while True:
    try:
        said += os.read(terminal, 65536)
    except OSError:  # the replay has ended, and its terminal with it
        break
    pauses = sum(said.count(phase) for phase in phases)
    os.write(terminal, b"\n" * (pauses - answered))
    answered = pauses
status = os.waitstatus_to_exitcode(os.waitpid(pid, 0)[1])
lines, traces = open(record).read().splitlines(), [open(path).read().splitlines() for path in (session, replay)]
print("recorded %d lines; the replay paused %d times and ended with %d; traces of %d and %d accesses"
      % (len(lines), answered, status, len(traces[0]), len(traces[1])))
sys.exit(0 if status == 0 and answered > 0 and traces[0] == traces[1] else "FAIL")
