#!/bin/sh
# Checks a built program: a PE file of FORMAT (pei-i386 unless given; pei-x86-64 in the 64-bit build) for
# SUBSYSTEM (2, the GUI, unless given; 3, the console, for the scan command) that imports system DLLs
# only, so that it runs without any runtime DLL beside it, and large-address-aware, so that it can
# address the memory of large desktops and images. Usage: win_program.sh PROGRAM.exe OBJDUMP [FORMAT [SUBSYSTEM]]
program=$1 objdump=$2 format=${3:-pei-i386} subsystem=${4:-2} fail=0
"$objdump" -f "$program" | grep -q "file format $format\$" || { echo "not a $format file: $program"; fail=1; }
hlavicka=$("$objdump" -p "$program")
echo "$hlavicka" | grep -q "^Subsystem[[:space:]]*0000000$subsystem" || { echo "not subsystem $subsystem"; fail=1; }
echo "$hlavicka" | grep '^Characteristics'
echo "$hlavicka" | grep -q '^[[:space:]]*large address aware$' || { echo "not large-address-aware"; fail=1; }
dll=$(echo "$hlavicka" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
echo "imports:" $dll
[ -n "$dll" ] || { echo "no imports found"; fail=1; }
cudzie=$(echo "$dll" | grep -vE '^(kernel32|user32|gdi32|advapi32|comctl32|msvcrt|shell32|ole32|uxtheme|msimg32|ws2_32|api-ms-win-.*)\.dll$')
[ -z "$cudzie" ] || { echo "imports DLLs that Windows does not ship:" $cudzie; fail=1; }
exit $fail
