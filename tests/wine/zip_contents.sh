#!/bin/sh
# The operator's zip holds exactly the files named, no more, no fewer.
# Usage: zip_contents.sh ZIP FILE...
set -eu
zip=$1
shift
listed=$(python3 -c 'import sys, zipfile; print("\n".join(sorted(n for n in zipfile.ZipFile(sys.argv[1]).namelist() if not n.endswith("/"))))' "$zip")
wanted=$(printf '%s\n' "$@" | sort)
echo "$zip holds:"
echo "$listed"
[ "$listed" = "$wanted" ] || { echo "FAIL: expected:"; echo "$wanted"; exit 1; }
# Notepad shows the operator guide's Cyrillic right only from UTF-8 with a
# byte-order mark, and its lines apart only with CRLF.
python3 -c 'import sys, zipfile
t = zipfile.ZipFile(sys.argv[1]).read("README.txt")
sys.exit(0 if t.startswith(b"\xef\xbb\xbf") and t.count(b"\n") == t.count(b"\r\n") > 0 else 1)' "$zip" ||
  { echo "FAIL: README.txt is not UTF-8 with a byte-order mark and CRLF line ends"; exit 1; }
echo PASS
