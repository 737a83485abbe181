#!/bin/sh
# Opens the panel. With no display (a server, CI), it runs on a virtual X
# server, where it can be looked at with a screenshot: xwd -root -display :N.
set -eu
exe=$1
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$exe"
fi
# shellcheck source=xvfb.sh
. "$(dirname "$0")/xvfb.sh"
start_xvfb
trap 'kill $XVFB_PID 2>/dev/null || true' EXIT INT TERM
echo "No display here: the panel runs on the virtual display $DISPLAY (Ctrl+C ends it)."
"$exe"
