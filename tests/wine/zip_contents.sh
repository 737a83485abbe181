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
echo PASS
