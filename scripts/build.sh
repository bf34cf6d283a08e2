#!/usr/bin/env bash
# Configures and builds into build/ (or build-asan/ with --sanitize); with
# clang as the compiler (CXX=clang++) into build-clang/ (build-clang-asan/).
# OLVAREN_WERROR=ON makes compiler warnings errors (as CI builds).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
dir=build; extra=()
case "${CXX:-}" in *clang*) dir=build-clang ;; esac
if [ "${1:-}" = "--sanitize" ]; then dir=$dir-asan; extra=(-DOLVAREN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug); fi
cmake -S . -B "$dir" -DOLVAREN_WERROR="${OLVAREN_WERROR:-OFF}" "${extra[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
echo "$dir"
