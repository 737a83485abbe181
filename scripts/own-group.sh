#!/bin/sh
# Runs a command in a session and process group of its own, and ends that
# whole group when the command ends, or when this script is interrupted
# (Ctrl+C), terminated or hung up: what the command left in the background
# (the 32-bit Wine's maker, an X server, a test's program) goes with it. The
# session has no controlling terminal and the command reads nothing, so a
# run at a terminal sees what a run in CI sees.
# Usage: own-group.sh COMMAND [ARG...]   exits with the command's status
. "$(dirname "$0")/harness.sh"
waited "$@"
