#!/bin/sh
# Checks the built program: a 32-bit (i386) PE with the GUI subsystem that imports system DLLs only,
# so that it runs without any runtime DLL beside it, and large-address-aware, so that it can address
# the memory of large desktops and images; the 64-bit build of the tests' own tree is a
# PE32+ x86-64 file instead, and the scan command has the console subsystem (3).
# Usage: win_program.sh PROGRAM.exe OBJDUMP [FORMAT, default pei-i386] [SUBSYSTEM, default 2]
set -u
program=$1 objdump=$2 format=${3:-pei-i386} subsystem=${4:-2}
fail=0
"$objdump" -f "$program" | grep -q "file format $format\$" || { echo "not a $format file: $program"; fail=1; }
hlavicka=$("$objdump" -p "$program")
echo "$hlavicka" | grep -q "^Subsystem[[:space:]]*0000000$subsystem" || { echo "not subsystem $subsystem"; fail=1; }
echo "$hlavicka" | grep '^Characteristics'
echo "$hlavicka" | grep -q '^[[:space:]]*large address aware$' || { echo "not large-address-aware"; fail=1; }
dll=$(echo "$hlavicka" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
echo "imports:" $dll
for d in $dll; do
  case $d in
    kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | comctl32.dll | msvcrt.dll | shell32.dll | \
      ole32.dll | uxtheme.dll | msimg32.dll | ws2_32.dll | api-ms-win-*.dll) ;;
    *) echo "imports a DLL that Windows does not ship: $d"; fail=1 ;;
  esac
done
[ -n "$dll" ] || { echo "no imports found"; fail=1; }
exit $fail
