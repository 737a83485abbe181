#!/bin/sh
# Runs a command in the 32-bit Wine's root (KALDERON_WINE32_ROOT) as root
# (the caller mapped to root where it is not), with the folders the run
# reads and writes at their own paths; the mounts end with it, and are
# private to it. Its /tmp is the run's folder (KALDERON_WINE32_TMP): the
# wineserver's socket is kept there, apart from every other user's and
# run's, and the X server's sockets are seen in it. It is mounted before the
# folders of the run, which may lie under /tmp; the checkout before the
# build, which may lie in it.
# Usage: in_root.sh COMMAND [ARG...]
as=""
[ "$(id -u)" -eq 0 ] || as=--map-root-user
exec unshare $as --mount --propagation private /bin/sh -c '
  set -eu
  root=$KALDERON_WINE32_ROOT
  for folder in /proc /dev /sys; do
    mkdir -p "$root$folder"
    mount --rbind "$folder" "$root$folder"
  done
  mount --bind "$KALDERON_WINE32_TMP" "$root/tmp"
  for folder in "$KALDERON_SOURCE" "$KALDERON_BUILD"; do
    mkdir -p "$root$folder"
    mount --rbind "$folder" "$root$folder"
  done
  for folder in /tmp/.X11-unix "$WINEPREFIX"; do
    mkdir -p "$folder" "$root$folder"
    mount --bind "$folder" "$root$folder"
  done
  exec env HOME=/root chroot "$root" "$@"' sh "$@"
