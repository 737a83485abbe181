#!/usr/bin/env python3
"""A panel session recorded (the seeded random run, --record), then replayed by
kalderon-test-sim --run on a pty that answers each step pause it prints: the
same port trace, every read as the panel showed it (status 0).
Usage: record_replay.py PANEL_RANDOM_RUN KALDERON_TEST_SIM OUT_DIR"""
import os, pty, subprocess, sys

random_run, sim, out = sys.argv[1:4]
record, session, replay = (os.path.join(out, name) for name in ("session.txt", "session-trace.txt", "replay-trace.txt"))
for path in (record, session, replay):
    os.path.exists(path) and os.remove(path)
subprocess.run([random_run, "--seed", "20261209", "--actions", "3000", "--record", record, session], check=True,
               stdout=subprocess.DEVNULL)
pid, terminal = pty.fork()
if pid == 0:
    os.execve(sim, [sim, "--run", record], dict(os.environ, KALDERON_PORT_TRACE=replay))
answered, said = 0, b""
while True:
    try:
        said += os.read(terminal, 65536)
    except OSError:  # the replay has ended, and its terminal with it
        break
    pauses = sum(said.count(phase.encode()) for phase in ("на шине", "выставлен", "снят"))  # the four phases
    os.write(terminal, b"\n" * (pauses - answered))
    answered = pauses
status = os.waitstatus_to_exitcode(os.waitpid(pid, 0)[1])
traces = [open(path).read().splitlines() for path in (session, replay)]
print("replay: %d pauses, status %d; traces of %d and %d accesses" % (answered, status, *map(len, traces)))
sys.exit(0 if status == 0 and answered > 0 and traces[0] == traces[1] else "FAIL")
