#!/bin/sh
# Installs the Debian 12 or 13 packages one purpose needs, if any are missing:
#   run   build and open the Linux panel (make run): no Wine, qemu or MinGW
#   test  build everything and run every test (make test); includes run's
# With --list it only prints the purpose's packages, one per line.
# As root it runs apt-get itself; otherwise it prints the one line to run.
# Usage: install-deps.sh [--list] run|test
#
# A mirror caught in the middle of a sync is a normal event: a list that
# cannot be fetched is tried again once, then the set-up goes on with the
# lists it has. Where the i386 packages still cannot be installed, the rest
# is installed, what was not is said in one line, and that line is kept in
# build/not-installed.txt, where the 32-bit Wine run finds its reason to
# report itself skipped.
set -eu

list=false
if [ "${1:-}" = "--list" ]; then list=true; shift; fi
purpose=${1:-}
record="$(cd "$(dirname "$0")/.." && pwd)/build/not-installed.txt"

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
# The benchmark alone: the Linux build with the test libraries it links
# (make bench), and valgrind to count its instructions.
bench_packages="$run_packages googletest libgtest-dev libgmock-dev libbenchmark-dev valgrind"

case "$purpose" in
  run) packages=$run_packages ;;
  test) packages=$test_packages ;;
  bench) packages=$bench_packages ;;
  *) echo "usage: $0 [--list] run|test|bench" >&2; exit 2 ;;
esac
# One line each, duplicates dropped.
packages=$(printf '%s\n' $packages | awk '!seen[$0]++')

if $list; then
  printf '%s\n' $packages
  exit 0
fi

installed() { dpkg-query -W -f='${Status}\n' "$1" 2>/dev/null | grep -q 'install ok installed'; }
missing=""
for p in $packages; do installed "$p" || missing="$missing $p"; done
# The record speaks of the tests' packages: only their set-up renews it.
if [ -z "$missing" ]; then
  [ "$purpose" != test ] || rm -f "$record"
  exit 0
fi

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

log=$(mktemp)
trap 'rm -f "$log"' EXIT

# The lists: once more after a pause if a mirror is caught mid-sync; then on
# with what could be fetched. The ones still missing are named in the end.
if ! apt-get update >"$log" 2>&1; then
  cat "$log"
  echo "install-deps: apt-get update failed; trying again in 30 seconds."
  sleep 30
  if ! apt-get update >"$log" 2>&1; then
    cat "$log"
    echo "install-deps: going on with the package lists apt has."
  fi
fi
failed_lists=$(sed -n 's|^E: Failed to fetch .*/dists/\([^ ]*\)/Packages.*|\1|p' "$log" | paste -sd ' ')

# apt's reason in one line: the first i386 dependency it could not meet (or
# any), or else its last error.
apt_reason() {
  reason=$( (grep ':i386 : Depends: ' "$log"; grep ' : Depends: ' "$log") | head -n 1 | sed 's/^ *//; s/  */ /g')
  [ -n "$reason" ] || reason=$(grep '^E: ' "$log" | tail -n 1 | sed 's/^E: //')
  echo "$reason"
}

apt_install() {
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@" >"$log" 2>&1
  status=$?
  cat "$log"
  return $status
}

# Security updates come from their own suite: nothing is pinned to the main
# one, so a mirror out of step costs the i386 packages at most, never the
# fixes of the rest.
[ "$purpose" != test ] || rm -f "$record"
apt_install $missing && exit 0
others="" i386=""
for p in $missing; do
  case "$p" in *:i386) i386="$i386 $p" ;; *) others="$others $p" ;; esac
done
[ -n "$i386" ] || { echo "install-deps: could not install:$missing: $(apt_reason)" >&2; exit 1; }
if [ -n "$others" ]; then
  apt_install $others || { echo "install-deps: could not install:$others: $(apt_reason)" >&2; exit 1; }
  apt_install $i386 && exit 0
fi
line="could not install$i386: $(apt_reason)"
[ -z "$failed_lists" ] || line="$line (package lists not fetched: $failed_lists)"
mkdir -p "$(dirname "$record")"
echo "$line" >"$record"
echo "install-deps: $line. The 32-bit Wine run will be skipped; everything else is installed." >&2
