#!/bin/sh
# Opens the panel. With no display (a server, CI), it runs on a virtual X
# server, where it can be looked at with a screenshot: xwd -root -display :N.
set -eu
exe=$1
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$exe"
fi
. "$(dirname "$0")/harness.sh"
start_x
echo "No display here: the panel runs on the virtual display $DISPLAY (Ctrl+C ends it)."
waited "$exe"
