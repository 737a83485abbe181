#!/bin/sh
# The 32-bit Wine's own root: Debian's i386 wine32 with exactly what it
# depends on, from this machine's release's main suite alone, so that its
# versions agree among themselves whatever state the security suite's i386
# list is in, and the host's architectures and packages are left alone.
# Made once and kept beside the VM's kernel; a change of its packages (or of
# this script) makes a new one, and the old ones are removed.
#
# debootstrap's first stage only downloads and unpacks: no 32-bit code runs
# here. What its second stage's maintainer scripts would do that Wine needs
# is done by hand: the users and groups, the loader's cache, and libwine's
# zlib made a Wine builtin DLL.
#
# Usage: wine32_root.sh   prints the root's folder
# Exit status 77, with "SKIPPED: " and the reason, where it cannot be made.
set -eu
skip() { echo "SKIPPED: $1"; exit 77; }

packages=wine32
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$release" ] || skip "/etc/os-release names no Debian release"
cache=${XDG_CACHE_HOME:-$HOME/.cache}/kalderon-test
key=$(printf '%s %s ' "$release" "$packages" | cat - "$0" | cksum | cut -d' ' -f1)
root=$cache/wine32-$release-$key
if [ -f "$root/.made" ]; then
  echo "$root"
  exit 0
fi

# One maker at a time: make test starts one early, the 32-bit run waits for it.
mkdir -p "$cache"
exec 9>"$cache/wine32.lock"
flock 9
if [ -f "$root/.made" ]; then
  echo "$root"
  exit 0
fi
command -v debootstrap >/dev/null || skip "debootstrap is not installed (package debootstrap)"
[ "$(id -u)" -eq 0 ] || skip "making the 32-bit Wine's root takes root (debootstrap); run make test as root once"
# The release's main suite as apt reaches it here (no name of a mirror is
# kept anywhere).
mirror=$(apt-cache policy 2>/dev/null | awk -v suite="$release/main" '$3 == suite { print $2; exit }')
[ -n "$mirror" ] || skip "apt knows no source of $release/main"

rm -rf "$cache"/wine32-*.making
tmp=$(mktemp -d "$cache/wine32-XXXXXX.making")
trap 'rm -rf "$tmp"' EXIT
echo "Making the 32-bit Wine's root from $release/main (once)..." >&2
log=$tmp.log
if ! debootstrap --foreign --arch=i386 --variant=minbase --include="$packages" "$release" "$tmp/root" "$mirror" \
    >"$log" 2>&1; then
  reason=$(grep -E '^(E|W): ' "$log" | tail -n 1)
  rm -f "$log"
  skip "debootstrap could not make the 32-bit Wine's root: ${reason:-it gave no reason}"
fi
rm -f "$log"
r=$tmp/root
for deb in "$r"/var/cache/apt/archives/*.deb; do dpkg-deb -x "$deb" "$r"; done
rm -rf "$r"/var/cache/apt/archives/*.deb "$r/debootstrap" "$r"/usr/share/doc "$r"/usr/share/man "$r"/usr/share/info
# Wine looks its user up; the loader finds its libraries by its cache.
cp "$r/usr/share/base-passwd/passwd.master" "$r/etc/passwd"
cp "$r/usr/share/base-passwd/group.master" "$r/etc/group"
cp "$r/usr/share/libc-bin/nsswitch.conf" "$r/etc/nsswitch.conf"
ldconfig -r "$r" 2>/dev/null || true
# libwine's postinst: the MinGW zlib, marked as a Wine builtin DLL.
for dll in "$r"/usr/i686-w64-mingw32/lib/zlib*.dll; do
  [ -f "$dll" ] || continue
  out=$r/usr/lib/i386-linux-gnu/wine/i386-windows/$(basename "$dll")
  { head -c 64 "$dll"; printf 'Wine builtin DLL'; head -c 16 /dev/zero; tail -c +97 "$dll"; } >"$out"
done
touch "$r/.made"
rm -rf "$cache"/wine32-"$release"-*[0-9]
mv "$r" "$root"
echo "$root"
