#!/bin/sh
# Opens the panel. With no display (a server, CI), it runs on a virtual X
# server, where it can be looked at with a screenshot: xwd -root -display :N.
set -eu
exe=$1
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$exe"
fi
for n in $(seq 90 120); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT INT TERM
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
echo "No display here: the panel runs on the virtual display :$n (Ctrl+C ends it)."
DISPLAY=":$n" "$exe"
