#!/bin/sh
# The operator's zip holds exactly the files named, no more, no fewer, and
# ships its programs and DLLs stripped and small: at most 46 KiB each (the
# port and board check and the console's texts in Russian took the program
# past 40), with
# none of MinGW's own printf family, whose floating-point conversion leaves
# its "Infinity" and "NaN" behind.
# Usage: zip_contents.sh OBJDUMP ZIP FILE...
set -eu
# The tools' words and the order of names as in the C locale, whatever the
# caller's: objdump's headings are translated, and sort follows the collation.
export LC_ALL=C
objdump=$1 zip=$2
shift 2
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
# Debug sections are a third of a program's size, and of no use to an
# operator.
. "$(dirname "$0")/../../scripts/harness.sh"
unpacked=$run_folder
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$unpacked"
for file in $(cd "$unpacked" && find . -iname '*.exe' -o -iname '*.com' -o -iname '*.dll' | sort); do
  size=$(wc -c <"$unpacked/$file")
  echo "$file: $size bytes"
  if "$objdump" -h "$unpacked/$file" | grep -q ' \.debug_'; then
    echo "FAIL: $file carries debug sections"
    exit 1
  fi
  if grep -qa -e Infinity -e NaN "$unpacked/$file"; then
    echo "FAIL: $file links MinGW's printf family"
    exit 1
  fi
  [ "$size" -le 47104 ] || { echo "FAIL: $file is over 46 KiB"; exit 1; }
done
echo PASS
