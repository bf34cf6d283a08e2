#!/usr/bin/env bash
# Checks the export table of the 32-bit Olvaren.dll as the IDE reads it:
# exactly SWinDesignHookSet, GuptaTool and CenturaTool at ordinals 1, 2, 3,
# undecorated; GuptaTool and CenturaTool at one address; and every entry
# stdcall with two arguments (each return pops 8 bytes of arguments); and
# no DLL imported besides Windows' own and the IDE's cdki42.dll (pugixml,
# MFC and the compiler's runtime are inside).
# Usage: check-exports.sh OBJDUMP Olvaren.dll
set -uo pipefail
objdump=$1 dll=$2
fail=0
check() {  # WHAT EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then echo "ok    $1"; else echo "FAIL  $1: expected '$2', got '$3'"; fail=1; fi
}
headers=$("$objdump" -p "$dll") || { echo "FAIL  objdump -p $dll"; exit 1; }
base=$(awk '/^ImageBase/ {print $2}' <<<"$headers")
# "[   0] +base[   1] 1570 Export RVA" -> "1 1570"
rvas=$(sed -n 's/^\s*\[ *[0-9]*\] +base\[ *\([0-9]*\)\] \([0-9a-f]*\) Export RVA/\1 \2/p' <<<"$headers")
# "[   2] CenturaTool" under the name table -> "3 CenturaTool" (index + base 1)
names=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\s*\[ *\([0-9]*\)\] \(\S*\)$/\1 \2/p' <<<"$headers" |
  awk '{print $1 + 1, $2}' | sort -n)
check "ordinal base" "1" "$(sed -n 's/.*Ordinal Base \([0-9]*\).*/\1/p' <<<"$headers" | grep . | sort -u | paste -sd ' ')"
check "names by ordinal" "1 SWinDesignHookSet|2 GuptaTool|3 CenturaTool" "$(paste -sd '|' <<<"$names")"
# Imports other than Windows' own system DLLs.
windows_dlls='^(kernel32|user32|gdi32|shell32|comctl32|comdlg32|advapi32|ole32|oleaut32|msvcrt|ntdll)\.dll$'
others=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | grep -vE "$windows_dlls" | sort -u | paste -sd ' ')
check "DLLs imported besides Windows'" "cdki42.dll" "$others"
rva() { awk -v o="$1" '$1 == o {print $2}' <<<"$rvas"; }
check "CenturaTool is GuptaTool's body" "$(rva 2)" "$(rva 3)"
for ordinal in 1 2; do
  start=$(printf '0x%x' $((0x$base + 0x$(rva $ordinal))))
  # The function's code: from its entry up to the next symbol's label.
  code=$("$objdump" -d --start-address="$start" "$dll" | awk '/^[0-9a-f]+ <.*>:$/ {n++} n == 1' | head -n 400)
  rets=$(grep -oE 'ret +(\$0x[0-9a-f]+)?$' <<<"$code" | sed 's/ *$//' | sort -u | paste -sd ' ')
  check "ordinal $ordinal returns popping 8 bytes (stdcall, two arguments)" 'ret    $0x8' "$rets"
done
exit $fail
