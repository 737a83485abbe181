#!/bin/sh
# Installs the Debian 12 or 13 packages one purpose needs, if any are missing:
#   run              build and open the Linux panel (make run): no Wine, qemu or MinGW
#   test             build everything and run every test (make test); includes run's
#   bench            the timer benchmark (make bench)
#   package-linux    the Debian package (make package-linux): run's, and dpkg-dev
#                    and file, without which CPack makes a package with no Depends
#   package-windows  the operators' zips (make package-windows): MinGW
# With --list it only prints the purpose's packages, one per line.
# As root it runs apt-get itself; otherwise it prints the one line to run.
# Usage: install-deps.sh [--list] run|test
#
# A mirror caught in the middle of a sync is a normal event: a list that
# cannot be fetched is tried again once, then the set-up goes on with the
# lists it has, and what could not be installed is said in one line.
# No foreign architecture is added: the 32-bit Wine runs from a root of its
# own (tests/wine/wine32_root.sh), made by mmdebstrap from the main suite
# alone, as root or as the user who tests (uidmap's helpers map their
# subordinate ids).
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
# mmdebstrap and uidmap for the 32-bit Wine's root; qemu with a guest's tools;
# screenshots and driving X windows; the Debian package's checks; the
# waveform readers; libFuzzer and the linker its targets are linked with.
test_packages="$run_packages xvfb xauth
  googletest libgtest-dev libgmock-dev libbenchmark-dev valgrind libclang-rt-dev lld
  g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine64 fonts-wine mmdebstrap uidmap
  qemu-system-x86 busybox-static cpio strace xz-utils python3
  x11-apps imagemagick xdotool
  dpkg-dev file lintian desktop-file-utils appstream
  sigrok-cli gtkwave"
# The packages alone: what CPack needs to find the Linux programs' own
# dependencies; the Windows cross compilers and the resource compiler.
package_linux_packages="$run_packages dpkg-dev file"
package_windows_packages="cmake make g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64
  binutils-mingw-w64-x86-64"
# The benchmark alone: the Linux build with the test libraries it links
# (make bench), and valgrind to count its instructions.
bench_packages="$run_packages googletest libgtest-dev libgmock-dev libbenchmark-dev valgrind"

case "$purpose" in
  run) packages=$run_packages ;;
  test) packages=$test_packages ;;
  bench) packages=$bench_packages ;;
  package-linux) packages=$package_linux_packages ;;
  package-windows) packages=$package_windows_packages ;;
  *) echo "usage: $0 [--list] run|test|bench|package-linux|package-windows" >&2; exit 2 ;;
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
[ -n "$missing" ] || exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run as root:" >&2
  echo "apt-get update && apt-get install -y --no-install-recommends$missing" >&2
  exit 1
fi

. "$(dirname "$0")/harness.sh"
log=$run_folder/apt.log

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

apt_install() {
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@" >"$log" 2>&1
  status=$?
  cat "$log"
  return $status
}

apt_install $missing && exit 0
# Then one by one, so that one package out of reach costs only itself and
# what needs it; apt's reason in one line: the first dependency it could
# not meet, or else its last error.
not_installed="" reason=""
for p in $missing; do
  apt_install "$p" >/dev/null && continue
  not_installed="$not_installed $p"
  [ -n "$reason" ] || reason=$(grep ' : Depends: ' "$log" | head -n 1 | sed 's/^ *//; s/  */ /g')
  [ -n "$reason" ] || reason=$(grep '^E: ' "$log" | tail -n 1 | sed 's/^E: //')
done
[ -n "$not_installed" ] || exit 0
[ -z "$failed_lists" ] || reason="$reason (package lists not fetched: $failed_lists)"
echo "install-deps: could not install:$not_installed: $reason; the rest is installed." >&2
