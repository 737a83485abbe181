#!/bin/sh
# Installs the Debian 12 packages one purpose needs, if any are missing:
#   run   build and open the Linux panel (make run): no Wine, qemu or MinGW
#   test  build everything and run every test (make test); includes run's
# With --list it only prints the purpose's packages, one per line.
# As root it runs apt-get itself; otherwise it prints the one line to run.
# Usage: install-deps.sh [--list] run|test
set -eu

list=false
if [ "${1:-}" = "--list" ]; then list=true; shift; fi
purpose=${1:-}

# The Linux panel: compiler, CMake, Qt, the resource compiler (llvm-rc, which
# runs clang to preprocess the script), a font; a virtual X server only where
# there is no display to open it on.
run_packages="cmake make g++ qt6-base-dev llvm clang fonts-dejavu-core"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  run_packages="$run_packages xvfb xauth"
fi

# The tests: GoogleTest and the benchmark; the Windows cross builds and Wine;
# qemu with a guest's tools; screenshots and driving X windows; the Debian
# package's checks; the waveform readers.
test_packages="$run_packages xvfb xauth
  googletest libgtest-dev libgmock-dev libbenchmark-dev valgrind
  g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine64 wine32:i386 fonts-wine
  qemu-system-x86 busybox-static cpio strace xz-utils python3
  x11-apps imagemagick xdotool
  dpkg-dev lintian desktop-file-utils appstream
  sigrok-cli gtkwave"

case "$purpose" in
  run) packages=$run_packages ;;
  test) packages=$test_packages ;;
  *) echo "usage: $0 [--list] run|test" >&2; exit 2 ;;
esac
# One line each, duplicates dropped.
packages=$(printf '%s\n' $packages | awk '!seen[$0]++')

if $list; then
  printf '%s\n' $packages
  exit 0
fi

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

# wine32 is an i386 package; only the tests need it.
needs_i386=false
case "$missing" in *:i386*) dpkg --print-foreign-architectures | grep -qx i386 || needs_i386=true ;; esac

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run as root:" >&2
  if $needs_i386; then printf 'dpkg --add-architecture i386 && ' >&2; fi
  echo "apt-get update && apt-get install -y --no-install-recommends$missing" >&2
  exit 1
fi
if $needs_i386; then dpkg --add-architecture i386; fi
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
