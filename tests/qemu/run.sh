#!/bin/sh
# Boots a stock Debian kernel under qemu with the guest test as init's work,
# on qemu's emulated ISA parallel port, and checks qemu's record of every
# guest port access against what the link must put on the wire.
# Usage: run.sh WORK_DIR GUEST_TEST_EXE
# The kernel package is downloaded once and kept in the cache folder.
set -eu
work=$1
guest=$2
here=$(cd "$(dirname "$0")" && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/kalderon-test/kernel
skip() { echo "SKIPPED: $1"; exit 77; }

command -v qemu-system-x86_64 >/dev/null || skip "qemu-system-x86_64 is not installed (package qemu-system-x86)"
[ -x /bin/busybox ] && ldd /bin/busybox 2>&1 | grep -q 'not a dynamic' ||
  skip "a static /bin/busybox is needed for the guest (package busybox-static)"

# --- The kernel: the current Debian 12 amd64 image, as an uncompressed vmlinux
mkdir -p "$cache"
version=$(apt-cache depends linux-image-amd64 2>/dev/null | awk '/Depends: linux-image-[0-9]/ { sub("linux-image-", "", $2); print $2; exit }')
[ -n "$version" ] || version=$(ls "$cache" | sed -n 's/^vmlinux-//p' | head -n 1)
[ -n "$version" ] || skip "no Debian kernel package is known to apt and none is cached"
kernel="$cache/vmlinux-$version"
modules="$cache/modules-$version"
if [ ! -f "$kernel" ] || [ ! -d "$modules" ]; then
  tmp=$(mktemp -d)
  (cd "$tmp" && apt-get download "linux-image-$version" >/dev/null 2>&1) || { rm -rf "$tmp"; skip "cannot download linux-image-$version"; }
  dpkg-deb -x "$tmp"/linux-image-*.deb "$tmp/x"
  # The bzImage carries the kernel as an XZ stream; booted as ELF, qemu
  # enters it through its PVH note, several times faster than the bzImage.
  offset=$(python3 -c "import sys; print(open(sys.argv[1], 'rb').read().find(b'\xfd7zXZ\x00'))" "$tmp"/x/boot/vmlinuz-*)
  tail -c +$((offset + 1)) "$tmp"/x/boot/vmlinuz-* | xz -dc --single-stream >"$kernel.part"
  mkdir -p "$modules.part"
  cp "$tmp"/x/lib/modules/*/kernel/drivers/parport/parport.ko \
     "$tmp"/x/lib/modules/*/kernel/drivers/parport/parport_pc.ko \
     "$tmp"/x/lib/modules/*/kernel/drivers/char/ppdev.ko "$modules.part/"
  mv "$kernel.part" "$kernel" && rm -rf "$modules" && mv "$modules.part" "$modules"
  rm -rf "$tmp"
fi

# --- The initramfs: busybox, strace and its libraries, the modules, the test
rm -rf "$work" && mkdir -p "$work/root/bin" "$work/root/modules" "$work/root/proc" "$work/root/sys" \
  "$work/root/dev" "$work/root/tmp"
root="$work/root"
cp /bin/busybox "$root/bin/busybox"
cp "$modules"/*.ko "$root/modules/"
cp "$guest" "$root/guest_test"
cp "$here/init" "$root/init"
chmod +x "$root/init"
strace=$(command -v strace) || skip "strace is not installed (package strace)"
cp "$strace" "$root/bin/strace"
for lib in $(ldd "$strace" | awk '/=>/ { print $3 } /^\t\// { print $1 }'); do
  mkdir -p "$root$(dirname "$lib")" && cp -L "$lib" "$root$lib"
done
(cd "$root" && find . | cpio -o -H newc --quiet) >"$work/initramfs.cpio"

# --- Boot: two ISA parallel ports, 0x378 and 0x278; every guest access to a
# device goes to qemu's trace with its I/O port number, the check keeps the
# parallel ports'.
timeout 120 qemu-system-x86_64 -machine pc -m 256 -no-reboot -display none -nodefaults \
  -kernel "$kernel" -initrd "$work/initramfs.cpio" \
  -append "console=ttyS0 panic=-1 pnpacpi=off quiet loglevel=3" \
  -serial "file:$work/console.log" -parallel "file:$work/parallel0.out" -parallel "file:$work/parallel1.out" \
  -trace "memory_region_ops_*,file=$work/ports.log" || true

python3 "$here/check.py" "$work/console.log" "$work/ports.log"
