#!/bin/sh
# The Debian package as a user's apt would take it: lintian finds no error
# or warning, it holds both programs with what the desktop and man need (the
# manual in English and Russian), its desktop entry is valid and starts
# programs it holds, its metainfo passes appstreamcli, and its dependencies
# were computed (Qt among them).
# Usage: check_deb.sh PACKAGE.deb
set -u
deb=$1
fail() { echo "FAIL: $1"; exit 1; }
[ -f "$deb" ] || fail "$deb is missing: the test debian_package_made makes it"

echo "lintian:"
lintian --fail-on error,warning --info "$deb" || fail "lintian reports errors or warnings"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/kalderon-test ./usr/bin/kalderon-test-sim \
    ./usr/share/applications/org.example.kalderon_test.desktop \
    ./usr/share/metainfo/org.example.kalderon_test.metainfo.xml \
    ./usr/share/icons/hicolor/32x32/apps/kalderon-test.png \
    ./usr/share/icons/hicolor/48x48/apps/kalderon-test.png ./usr/share/icons/hicolor/64x64/apps/kalderon-test.png \
    ./usr/share/icons/hicolor/128x128/apps/kalderon-test.png \
    ./usr/share/icons/hicolor/256x256/apps/kalderon-test.png \
    ./usr/share/icons/hicolor/scalable/apps/kalderon-test.svg \
    ./usr/share/man/man1/kalderon-test.1.gz ./usr/share/man/man1/kalderon-test-sim.1.gz \
    ./usr/share/man/ru/man1/kalderon-test.1.gz ./usr/share/man/ru/man1/kalderon-test-sim.1.gz \
    ./usr/share/doc/kalderon-test/copyright ./usr/share/doc/kalderon-test/changelog.gz \
    ./usr/share/kalderon-test/kalderon-board.gtkw; do
  echo "$contents" | grep -qx "$path" || fail "$path is not in the package"
done

dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no computed dependency on Qt"

. "$(dirname "$0")/../../scripts/harness.sh"
tmp=$run_folder
dpkg-deb -x "$deb" "$tmp"
entry="$tmp/usr/share/applications/org.example.kalderon_test.desktop"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
for exe in $(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry"); do  # the program, not its arguments
  [ -x "$tmp/usr/bin/$exe" ] || fail "the desktop entry starts $exe, which the package does not hold"
done
grep -q '^Actions=' "$entry" || fail "the desktop entry has no action for the simulated board"
zcat "$tmp/usr/share/man/man1/kalderon-test.1.gz" | grep -q 'KALDERON_PORT_TRACE' || fail "the manual misses KALDERON_PORT_TRACE"
appstreamcli validate --no-net "$tmp/usr/share/metainfo/org.example.kalderon_test.metainfo.xml" ||
  fail "appstreamcli does not accept the metainfo"
zcat "$tmp/usr/share/man/ru/man1/kalderon-test.1.gz" | grep -q 'ПАРАМЕТРЫ' || fail "the Russian manual is not Russian"
echo PASS
