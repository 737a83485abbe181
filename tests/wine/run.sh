#!/bin/sh
# Runs the end-to-end tests of kalderon-test.exe under Wine: sets up a Wine
# prefix of the build's own, an X server if there is no display, and turns
# the panel's screenshot into panel.png.
# Usage: run.sh BUILD_DIR PANEL_E2E_EXE [gtest arguments]
set -eu
build=$(cd "$1" && pwd)
driver=$2
shift 2

export WINEPREFIX="$build/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono or Gecko installer boxes

started_x=""
if [ -z "${DISPLAY:-}" ]; then
  . "$(dirname "$0")/../../scripts/xvfb.sh"
  start_xvfb
  started_x=$XVFB_PID
fi
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$started_x" ] && kill "$started_x" 2>/dev/null || true
}
trap cleanup EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# The frame's close box is a Marlett glyph, which Wine draws as a plain "r"
# unless the font is in the prefix.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
[ -f "$fonts/marlett.ttf" ] || cp /usr/share/wine/fonts/marlett.ttf "$fonts/" 2>/dev/null || true
# Without a window manager Wine draws the frames itself; and it must not
# grab the keyboard focus from other programs' windows.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d Y /f >/dev/null 2>&1
wineserver -w

w() { winepath -w "$1" 2>/dev/null; }
rm -f "$build/panel.bmp" "$build/panel.png"
status=0
wine "$driver" "$(w "$build/kalderon-test.exe")" "$(w "$build/sim")" "$(w "$build/closed-driver")" \
  "$(w "$build")" "$@" || status=$?
if [ -f "$build/panel.bmp" ]; then
  convert "$build/panel.bmp" "$build/panel.png" && rm -f "$build/panel.bmp"
fi
exit $status
