#!/usr/bin/env bash
# Configures and builds into build/ (or build-asan/ with --sanitize); with
# clang as the compiler (CXX=clang++) into build-clang/ (build-clang-asan/).
# OLVAREN_WERROR=ON (or OFF) sets whether compiler warnings are errors (CI
# builds with ON); unset, the folder keeps what it was configured with.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
dir=build; extra=()
case "${CXX:-}" in *clang*) dir=build-clang ;; esac
if [ "${1:-}" = "--sanitize" ]; then dir=$dir-asan; extra=(-DOLVAREN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug); fi
[ -n "${OLVAREN_WERROR:-}" ] && extra+=(-DOLVAREN_WERROR="$OLVAREN_WERROR")
cmake -S . -B "$dir" "${extra[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
echo "$dir"
