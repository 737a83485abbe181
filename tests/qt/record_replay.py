#!/usr/bin/env python3
"""A recorded panel session, replayed: the seeded random run on the Linux
panel records its session (--record), then kalderon-test-sim --run replays the
file on a terminal of its own (a pty), Enter answering each step pause as the
operator would. The replay must put on the port what the session did, access
for access, and every read must find the byte the panel showed (status 0).

Usage: record_replay.py PANEL_RANDOM_RUN KALDERON_TEST_SIM OUT_DIR"""
import os
import pty
import subprocess
import sys

PAUSES = ["Данные на шине", "Адрес регистра выставлен", "Строб записи выставлен", "Строб записи снят"]


def replay(sim, record, trace):
    """Runs the script on a pty, one Enter for each pause it prints; its
    status and everything it printed."""
    pid, master = pty.fork()
    if pid == 0:
        os.environ["KALDERON_PORT_TRACE"] = trace
        os.execv(sim, [sim, "--run", record])
    output, answered = b"", 0
    while True:
        try:
            chunk = os.read(master, 65536)
        except OSError:  # the child is gone and the pty with it
            break
        if not chunk:
            break
        output += chunk
        text = output.decode("utf-8", "replace")
        pauses = sum(text.count(p) for p in PAUSES)
        if pauses > answered:
            os.write(master, b"\n" * (pauses - answered))
            answered = pauses
    _, status = os.waitpid(pid, 0)
    return os.waitstatus_to_exitcode(status), output.decode("utf-8", "replace"), answered


def main():
    random_run, sim, out = sys.argv[1:4]
    record, session_trace, replay_trace = (os.path.join(out, name) for name in
                                           ("session.txt", "session-trace.txt", "replay-trace.txt"))
    for path in (record, session_trace, replay_trace):
        if os.path.exists(path):
            os.remove(path)
    run = subprocess.run([random_run, "--seed", "20261209", "--actions", "3000", "--record", record, session_trace],
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), capture_output=True, text=True)
    if run.returncode != 0:
        print(run.stdout, run.stderr)
        sys.exit("FAIL: the recorded random run ended with %d" % run.returncode)
    lines = open(record, encoding="utf-8").read().splitlines()
    status, said, answered = replay(sim, record, replay_trace)
    session = open(session_trace).read().splitlines()
    replayed = open(replay_trace).read().splitlines()
    print("recorded %d lines (%d with step mode on); the replay answered %d pauses, status %d"
          % (len(lines), lines.count("steps on"), answered, status))
    print("traces: the session's %d accesses, the replay's %d" % (len(session), len(replayed)))
    failed = []
    if not lines[0].startswith("# kalderon-test-sim: a panel session recorded "):
        failed.append("the head is not what recorded it and when: " + lines[0])
    if "steps on" in lines and answered == 0:
        failed.append("the session used step mode, but the replay never paused")
    if status != 0:
        failed.append("the replay ended with %d:\n%s" % (status, said[-2000:]))
    if replayed != session:
        at = next((i for i, (a, b) in enumerate(zip(session, replayed)) if a != b), min(len(session), len(replayed)))
        failed.append("the traces part at access %d: session %s, replay %s"
                      % (at, session[at:at + 3], replayed[at:at + 3]))
    if failed:
        sys.exit("FAIL: " + "\nFAIL: ".join(failed))
    print("PASS")


main()
