#!/bin/sh
# The Windows program must start on a bare Windows with only the port library
# beside it: every DLL it imports is Windows' own, or that library.
# Usage: imports.sh OBJDUMP EXE PORT_LIBRARY_DLL
set -eu
# The tools' words and the order of names as in the C locale, whatever the
# caller's: objdump's headings are translated, and sort follows the collation.
export LC_ALL=C
objdump=$1 exe=$2 port=$3
imports=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
echo "$exe imports:" $imports
echo "$imports" | grep -qx "$port" || { echo "FAIL: $port is not imported"; exit 1; }
for dll in $imports; do
  case "$dll" in
    "$port" | kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | setupapi.dll | msvcrt.dll) ;;
    *) echo "FAIL: $dll is not part of Windows"; exit 1 ;;
  esac
done
echo PASS
