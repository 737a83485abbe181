#!/bin/sh
# Runs the end-to-end tests of kalderon-test.exe under Wine: sets up a Wine
# prefix of the build's own and an X server of the run's own (never the
# caller's display), and turns the panel's screenshot into panel.png.
# Usage: run.sh 32|64 BUILD_DIR PANEL_E2E_EXE [gtest arguments]
# A 64-bit build runs under the host's wine64 in a win64 prefix, which needs
# nothing 32-bit. A 32-bit build runs under the Wine of a 32-bit root of its
# own (wine32_root.sh), never the host's i386 packages, so every machine
# runs the same Wine: in that root directly where this machine's kernel runs
# 32-bit programs, otherwise (or where KALDERON_32BIT_IN_VM=1 asks for it)
# inside a qemu guest whose kernel does (tests/vm). Reported Skipped (77)
# only where the root maker or the guest says it cannot be done here; any
# other failure of the harness is a failure, named.
set -eu
# chroot is where Debian puts it, off a normal user's PATH.
PATH=$PATH:/usr/sbin:/sbin
bits=$1
build=$(cd "$2" && pwd)
driver=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)

# Everything this run starts ends with it, on every way out. A harness step
# that fails (set -e too) is named with its status and the end of its log;
# the test's own failures speak for themselves.
. "$source_dir/scripts/harness.sh"

# $run runs a Wine command: as it is for 64 bits, in the 32-bit root otherwise.
if [ "$bits" = 64 ]; then
  wine=/usr/lib/wine/wine64
  wineserver=/usr/lib/wine/wineserver64
  export WINELOADER=$wine
  export WINEARCH=win64
  run=env
else
  wine=/usr/lib/wine/wine
  wineserver=/usr/lib/wine/wineserver
  export WINEARCH=win32
  if [ -z "${KALDERON_IN_VM:-}" ]; then
    step="making the 32-bit Wine's root (wine32_root.sh)" step_log=$run_folder/root
    waited "$here/wine32_root.sh" >"$step_log"
    KALDERON_WINE32_ROOT=$(cat "$step_log") step=""
  fi
  root=$KALDERON_WINE32_ROOT
  run=$here/in_root.sh
  export KALDERON_WINE32_ROOT KALDERON_WINE32_TMP="$run_folder" KALDERON_BUILD="$build" KALDERON_SOURCE="$source_dir"
  if [ -z "${KALDERON_IN_VM:-}" ]; then
    why="" as=""
    [ "$(id -u)" -eq 0 ] || as=--map-root-user
    if [ -n "${KALDERON_32BIT_IN_VM:-}" ]; then
      why="KALDERON_32BIT_IN_VM is set"
    # Where / is no mount point (a root entered with plain chroot) its
    # propagation cannot be made private, and a chroot can make no user
    # namespace (whose copies of the mounts would be slaves) either; left
    # as they are, the run's mounts could reach the caller's. There they are
    # made in the guest, whose / is its own.
    elif ! out=$(unshare $as --mount --propagation private true 2>&1); then
      why="its mounts cannot be made private to it here ($(echo "$out" | head -n 1))"
    elif ! out=$("$root/lib/ld-linux.so.2" --version 2>&1); then
      why="this machine cannot run 32-bit programs ($(echo "$out" | head -n 1))"
    fi
    if [ -n "$why" ]; then
      echo "The 32-bit run goes to a virtual machine: $why."
      # The guest's prefix lives in its own memory; the results land in the
      # build folder. The checkout and the build are shared at their own
      # paths, so that they are seen wherever they lie, where the guest has
      # folders of its own (/run, /dev/shm) too.
      waited "$here/../vm/vm.sh" --share "$source_dir" --share "$build" "$build/vm" \
        env KALDERON_WINEPREFIX=/tmp/kalderon-wineprefix KALDERON_WINE32_ROOT="$root" \
        "$here/run.sh" 32 "$build" "$driver" "$@"
      exit
    fi
  fi
fi
export WINEPREFIX="${KALDERON_WINEPREFIX:-$build/wineprefix}"
export WINEDEBUG=-all
# Wine takes its code pages and its own dialogs' language from the locale,
# and keeps them in the prefix: every run, the guest's included, under one,
# whatever the caller's.
export LC_ALL=C.UTF-8
unset LANGUAGE
# No Mono or Gecko installer boxes; a crash ends its program instead of
# waiting in the debugger's box.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

step="starting an X server"
start_x

# A Unix path as Wine shows it: on drive Z, the root.
w() { printf 'Z:%s' "$1" | tr / '\\'; }

# Each start of a Wine program takes seconds where Wine runs emulated: the
# prefix is set up in as few as it can be, once.
at_end '"$run" "$wineserver" -k 2>/dev/null'
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  began=$(date +%s)
  step="making the Wine prefix $WINEPREFIX" step_log=$build/wine-prefix.log
  waited "$run" "$wine" wineboot -i >"$step_log" 2>&1
  # Without a window manager Wine draws the frames itself; and it must not
  # grab the keyboard focus from other programs' windows.
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Managed"="N"\n"Decorated"="Y"\n' \
    >"$build/x11-driver.reg"
  "$run" "$wine" regedit /S "$(w "$build/x11-driver.reg")" >>"$step_log" 2>&1
  waited "$run" "$wineserver" -w >>"$step_log" 2>&1
  echo "The Wine prefix was made in $(($(date +%s) - began)) s."
fi
# The frame's close box is a Marlett glyph, which Wine draws as a plain "r"
# unless the font is in the prefix.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
[ -f "$fonts/marlett.ttf" ] || cp "${root:-}/usr/share/wine/fonts/marlett.ttf" "$fonts/" 2>/dev/null || true

step="" step_log=""
rm -f "$build/panel.bmp" "$build/panel.png" "$build/windows-write-read.vcd"
status=0
waited "$run" "$wine" "$driver" "$(w "$build/kalderon-test.exe")" "$(w "$build/sim")" "$(w "$build/closed-driver")" \
  "$(w "$build")" "$(w "$here/registry")" "$@" || status=$?
# The Windows board's waveform, read by a reader we did not write.
if [ -f "$build/windows-write-read.vcd" ]; then
  python3 "$here/../vcd_sigrok.py" --vcd "$build/windows-write-read.vcd" || status=1
fi
if [ -f "$build/panel.bmp" ]; then
  convert "$build/panel.bmp" "$build/panel.png" && rm -f "$build/panel.bmp"
fi
exit $status
