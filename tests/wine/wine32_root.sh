#!/bin/sh
# The 32-bit Wine's own root: Debian's i386 wine32 with exactly what it
# depends on, from this machine's release's main suite alone, so that its
# versions agree among themselves whatever state the security suite's i386
# list is in, and the host's architectures and packages are left alone.
# Made once in the caller's own cache, by root or by anyone: mmdebstrap
# extracts the packages (no 32-bit code runs to make it), as root directly,
# otherwise in a user namespace of the caller's subordinate ids; the tarball
# it streams is unpacked as the caller's own files. A change of its packages
# (or of this script) makes a new one, and the old ones are removed.
#
# What the packages' maintainer scripts would do that Wine needs is done by
# hand: the user, the loader's cache, and libwine's zlib made a
# Wine builtin DLL. dash is there for wineserver, a shell script.
#
# Usage: wine32_root.sh   prints the root's folder
# Exit status 77, with "SKIPPED: " and the reason, where this machine or
# this user cannot make it; 1, with "FAIL: " and the reason, where making it
# failed; 0 with the folder.
set -eu
PATH=$PATH:/usr/sbin:/sbin
. "$(dirname "$0")/../../scripts/harness.sh"
skip() { echo "SKIPPED: $1"; exit 77; }
fail() { echo "FAIL: $1"; exit 1; }

packages=wine32,dash
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
waited flock 9
if [ -f "$root/.made" ]; then
  echo "$root"
  exit 0
fi
command -v mmdebstrap >/dev/null || skip "mmdebstrap is not installed (package mmdebstrap)"
mode=root
if [ "$(id -u)" -ne 0 ]; then
  mode=unshare
  command -v newuidmap >/dev/null || skip "newuidmap is not installed (package uidmap)"
  user=$(id -un)
  grep -q "^$user:" /etc/subuid && grep -q "^$user:" /etc/subgid ||
    skip "$user has no subordinate ids in /etc/subuid and /etc/subgid (as root: usermod --add-subuids 100000-165535 --add-subgids 100000-165535 $user)"
fi
# The release's main suite as apt reaches it here (no name of a mirror is
# kept anywhere).
mirror=$(LC_ALL=C apt-cache policy 2>/dev/null | awk -v suite="$release/main" '$3 == suite { print $2; exit }')
[ -n "$mirror" ] || skip "apt knows no source of $release/main"

# A root half made by a maker that was stopped is never used: it is removed
# here, under the lock, and by its own maker on every way out.
remove() { chmod -R u+w "$@" 2>/dev/null || true; rm -rf "$@"; }
remove "$cache"/wine32-*.making
tmp=$(mktemp -d "$cache/wine32-XXXXXX.making")
at_end 'remove "$tmp"'
echo "Making the 32-bit Wine's root from $release/main (once)..." >&2
log=$tmp/log r=$tmp/root
mkdir "$r"
# The hook runs where mmdebstrap's root is root (in the user namespace too).
# Debian 13's packages keep their files in /usr alone: /bin and /lib lead
# there, as on a merged system, for wineserver's /bin/sh and the loader's
# /lib/ld-linux.so.2. The loader's cache from libc-bin's configuration.
hook='for d in bin sbin lib; do [ -e "$1/$d" ] || ln -s "usr/$d" "$1/$d"; done
  echo "include /etc/ld.so.conf.d/*.conf" >"$1/etc/ld.so.conf" && ldconfig -r "$1"'
tarball() {
  waited mmdebstrap --mode="$mode" --variant=extract --architectures=i386 --include="$packages" --extract-hook="$hook" \
    "$release" "$tmp/root.tar" "$mirror" >"$log" 2>&1
}
# A mirror caught in the middle of a sync is a normal event: once more,
# after a pause.
tarball || { sleep 30; tarball; } ||
  fail "mmdebstrap could not make the 32-bit Wine's root: $(grep -m 1 '^E: ' "$log" | sed 's|[a-z]*://[^ ]*|(the mirror)|g')"
# The devices are the host's, bound at each run.
tar -x -f "$tmp/root.tar" -C "$r" --no-same-owner --exclude='./dev/*' ||
  fail "the 32-bit Wine's root could not be unpacked into $cache"
rm -f "$tmp/root.tar"
rm -rf "$r"/usr/share/doc "$r"/usr/share/man "$r"/usr/share/info
# Wine looks its user up: root, as the run maps the caller to root.
printf 'root:x:0:0:root:/root:/bin/sh\n' >"$r/etc/passwd"
printf 'root:x:0:\n' >"$r/etc/group"
printf 'passwd: files\ngroup: files\n' >"$r/etc/nsswitch.conf"
mkdir -p "$r/root"
# libwine's postinst: the MinGW zlib, marked as a Wine builtin DLL.
for dll in "$r"/usr/i686-w64-mingw32/lib/zlib*.dll; do
  [ -f "$dll" ] || continue
  out=$r/usr/lib/i386-linux-gnu/wine/i386-windows/$(basename "$dll")
  { head -c 64 "$dll"; printf 'Wine builtin DLL'; head -c 16 /dev/zero; tail -c +97 "$dll"; } >"$out"
done
touch "$r/.made"
remove "$cache"/wine32-"$release"-*[0-9]
mv "$r" "$root"
echo "$root"
