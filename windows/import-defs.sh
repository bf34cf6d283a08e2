#!/usr/bin/env bash
# The import library of the one DLL the 32-bit add-in links but this build
# cannot produce: the CDK (cdki42.dll, the IDE's own). Reads the add-in's
# undefined symbols, keeps the CDK's and writes cdki42.def and libcdki42.a.
# Usage: import-defs.sh NM DLLTOOL MACHINE OUTDIR OBJECT...
set -euo pipefail
nm=$1 dlltool=$2 machine=$3 out=$4
shift 4
mkdir -p "$out"
# i386 symbols carry a leading underscore that .def files leave out.
strip='s/^_//'
[ "$machine" = i386 ] || strip='s/^//'
syms=$("$nm" -u "$@" | awk 'NF==2 && $1=="U" {print $2}' | sed "$strip" | sort -u)
demangled=$(printf '%s\n' "$syms" | c++filt)
pick() {  # PATTERN on the demangled name -> mangled names
  paste -d '\t' <(printf '%s\n' "$syms") <(printf '%s\n' "$demangled") | awk -F '\t' -v re="$1" '$2 ~ re {print $1}'
}
write() {  # NAME PATTERN
  {
    echo "LIBRARY \"$1.dll\""
    echo "EXPORTS"
    pick "$2" | while read -r s; do
      case $s in _ZTV* | _ZTI* | _ZTS*) echo "    $s DATA" ;; *) echo "    $s" ;; esac
    done
  } > "$out/$1.def"
  "$dlltool" -m "$machine" -d "$out/$1.def" -l "$out/lib$1.a" -D "$1.dll"
}
write cdki42 '^((vtable|typeinfo|typeinfo name) for )?(CG[A-Za-z]+|CDK[A-Za-z]+)([:(]|$)'
