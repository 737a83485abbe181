#!/bin/bash
# Runs one command as root in a qemu guest and hands back its output and exit
# status. The guest is Debian's own amd64 kernel with this machine's root
# shared read-only over virtio-9p under a tmpfs overlay, so the programs
# installed here run there as they are: 32-bit ones too, where this kernel
# cannot run them. Nothing written in the guest outlives it but what lands in
# WORK_DIR and in the folders --share names, each seen at its own path.
#
# Usage: vm.sh [--share DIR]... [--append TEXT] [--qemu ARG]... WORK_DIR COMMAND [ARG...]
#   --append  more of the guest kernel's command line
#   --qemu    one more argument for qemu (a device, a trace)
# Exit status: the command's; 77 (with the reason) where no guest can be
# booted here. The kernel, its modules and the initramfs are made once and
# kept in ~/.cache/kalderon-test (XDG_CACHE_HOME).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "SKIPPED: $1"; exit 77; }

shares=() append="" qemu_args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --share) shares+=("$(cd "$2" && pwd)"); shift 2 ;;
    --append) append="$append $2"; shift 2 ;;
    --qemu) qemu_args+=("$2"); shift 2 ;;
    *) break ;;
  esac
done
[ $# -ge 2 ] || { echo "usage: $0 [--share DIR]... [--append TEXT] [--qemu ARG]... WORK_DIR COMMAND [ARG...]" >&2; exit 2; }
mkdir -p "$1"
work=$(cd "$1" && pwd)
shift

command -v qemu-system-x86_64 >/dev/null || skip "qemu-system-x86_64 is not installed (package qemu-system-x86)"
[ -x /bin/busybox ] && LC_ALL=C ldd /bin/busybox 2>&1 | grep -q 'not a dynamic' ||
  skip "a static /bin/busybox is needed for the guest (package busybox-static)"

# The long steps run in the background, so that a signal is taken at once;
# whatever ends this script ends them and removes what it was making.
. "$here/../../scripts/harness.sh"
tmp=""
at_end 'rm -rf "$tmp"'

# --- The kernel, its modules and the initramfs, made once per kernel version
# The guest's file systems, in load order (the package has no modules.dep);
# then the parallel port's, which a guest command loads from the cache.
fs_modules="virtio_ring virtio virtio_pci_legacy_dev virtio_pci_modern_dev virtio_pci netfs fscache 9pnet
  9pnet_virtio 9p overlay"
port_modules="parport parport_pc ppdev"
cache=${XDG_CACHE_HOME:-$HOME/.cache}/kalderon-test
version=$(LC_ALL=C apt-cache depends linux-image-amd64 2>/dev/null |
  awk '/Depends: linux-image-[0-9]/ { sub("linux-image-", "", $2); print $2; exit }')
# Without apt's lists, a guest already made; the folders it is made in are
# named otherwise.
[ -n "$version" ] || version=$(ls "$cache" 2>/dev/null | sed -n 's/^vm-//p' | head -n 1)
[ -n "$version" ] || skip "no Debian kernel package is known to apt and none is cached"
guest=$cache/vm-$version
# The initramfs: busybox, the file systems' modules and our init; one per
# version of the init, so that a changed init is never booted stale.
initramfs=$guest/initramfs-$(cksum <"$here/init" | cut -d' ' -f1).cpio
if [ ! -f "$initramfs" ]; then
  # One maker at a time (two checkouts may test at once), and nothing half
  # made is ever used: what a killed maker left is removed, and the guest's
  # folder and the initramfs appear each by one rename, whole.
  mkdir -p "$cache"
  exec 9>"$cache/vm.lock"
  waited flock 9
  rm -rf "$cache"/building.*
  tmp=$(mktemp -d "$cache/building.XXXXXX")
fi
if [ ! -f "$guest/vmlinux" ]; then
  waited env -C "$tmp" apt-get download "linux-image-$version" >/dev/null 2>&1 ||
    skip "cannot download linux-image-$version"
  dpkg-deb -x "$tmp"/linux-image-*.deb "$tmp/x"
  mkdir -p "$tmp/guest/modules"
  # Debian 12's package keeps the modules under lib/, Debian 13's under
  # usr/lib/; Debian 13's kernel has virtio built in (modules.builtin).
  for m in $fs_modules $port_modules; do
    file=$(find "$tmp/x/lib/modules" "$tmp/x/usr/lib/modules" -name "$m.ko" -o -name "$m.ko.xz" 2>/dev/null | head -n 1)
    if [ -z "$file" ] && cat "$tmp"/x/lib/modules/*/modules.builtin "$tmp"/x/usr/lib/modules/*/modules.builtin 2>/dev/null | grep -q "/$m\.ko\$"; then
      continue
    fi
    # Debian 13's fscache is part of netfs.
    [ -n "$file" ] || [ "$m" != fscache ] || continue
    [ -n "$file" ] || { echo "FAIL: linux-image-$version has no module $m"; exit 1; }
    case "$file" in
      *.xz) xz -dc "$file" >"$tmp/guest/modules/$m.ko" ;;
      *) cp "$file" "$tmp/guest/modules/" ;;
    esac
  done
  # Debian 12's bzImage carries the kernel as an XZ stream; booted as ELF,
  # qemu enters it through its PVH note, several times faster than the
  # bzImage. Debian 13's is compressed otherwise (zstd): booted as it is.
  offset=$(python3 -c "import sys; print(open(sys.argv[1], 'rb').read().find(b'\xfd7zXZ\x00'))" "$tmp"/x/boot/vmlinuz-*)
  if [ "$offset" -ge 0 ]; then
    tail -c +$((offset + 1)) "$tmp"/x/boot/vmlinuz-* | xz -dc --single-stream >"$tmp/guest/vmlinux"
  else
    cp "$tmp"/x/boot/vmlinuz-* "$tmp/guest/vmlinux"
  fi
  rm -rf "$guest" && mv "$tmp/guest" "$guest"
fi
if [ ! -f "$initramfs" ]; then
  command -v cpio >/dev/null || skip "cpio is not installed (package cpio)"
  mkdir -p "$tmp/root/bin" "$tmp/root/modules"
  cp /bin/busybox "$tmp/root/bin/busybox"
  cp "$here/init" "$tmp/root/init"
  chmod +x "$tmp/root/init"
  loaded=""
  for m in $fs_modules; do
    [ -f "$guest/modules/$m.ko" ] || continue  # built in
    cp "$guest/modules/$m.ko" "$tmp/root/modules/"
    loaded="$loaded $m"
  done
  echo $loaded >"$tmp/root/modules/order"
  (cd "$tmp/root" && find . | cpio -o -H newc --quiet) >"$tmp/initramfs.cpio"
  mv "$tmp/initramfs.cpio" "$initramfs"
fi
if [ -n "$tmp" ]; then
  rm -rf "$tmp"
  tmp=""
  exec 9>&-
fi

# --- The command, as a script the guest finds through the shared root
{
  echo "export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8"
  echo "export KALDERON_IN_VM=1 KALDERON_VM_MODULES=$(printf '%q' "$guest/modules")"
  printf 'cd %q\n' "$PWD"
  printf 'exec'
  printf ' %q' "$@"
  echo
} >"$work/command.sh"
rm -f "$work/status" "$work/output.log" "$work/console.log"

# Each share a 9p tag of its own, mounted read-write at its own path, in
# this order: the work folder last, as it may lie inside a share. The list
# goes to the guest in the work folder, a tab between tag and path, as the
# kernel's command line splits at spaces; qemu's options escape a comma by
# doubling it.
virtfs=()
for i in "${!shares[@]}"; do
  virtfs+=(-virtfs "local,path=${shares[$i]//,/,,},mount_tag=share$i,security_model=none,multidevs=remap")
  printf 'share%s\t%s\n' "$i" "${shares[$i]}"
done >"$work/mounts"
printf 'work\t%s\n' "$work" >>"$work/mounts"
virtfs+=(-virtfs "local,path=${work//,/,,},mount_tag=work,security_model=none,multidevs=remap")

# SMAP off: with it, qemu 7.2's TCG faults on the return to 32-bit user code.
# No mitigations: Wine makes many system calls, and they halve its speed.
# One processor: where two guests (two checkouts' tests) share the host's
# cores, a guest of several spins on locks whose holder the host has put
# aside, and the pair ran eight times slower than one; with one each, as
# fast as one alone.
waited qemu-system-x86_64 -machine pc -accel tcg,thread=multi -cpu max,smap=off -smp 1 -m 3072 \
  -no-reboot -display none -nodefaults \
  -kernel "$guest/vmlinux" -initrd "$initramfs" \
  -append "console=ttyS0 panic=-1 quiet loglevel=3 mitigations=off$append" \
  -serial "file:$work/console.log" \
  -virtfs local,path=/,mount_tag=host,security_model=none,readonly=on,multidevs=remap \
  "${virtfs[@]}" "${qemu_args[@]}" || echo "FAIL: qemu-system-x86_64 ended with status $?"

cat "$work/output.log" 2>/dev/null || true
if [ ! -s "$work/status" ]; then
  echo "FAIL: the guest ended without the command's status; its console:"
  tail -n 40 "$work/console.log" 2>/dev/null || true
  exit 1
fi
exit "$(cat "$work/status")"
