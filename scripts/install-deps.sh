#!/bin/sh
# Installs the Debian 12 packages the build and the tests need, if any are
# missing. As root it runs apt-get itself; otherwise it prints the one line to run.
set -eu

packages="cmake make g++ googletest libgtest-dev libgmock-dev libbenchmark-dev valgrind
  g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine64 wine32:i386 fonts-wine
  qt6-base-dev llvm clang fonts-dejavu-core xvfb xauth x11-apps imagemagick
  qemu-system-x86 busybox-static cpio strace xz-utils python3"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

# wine32 is an i386 package.
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
