#!/usr/bin/env bash
# Installs the Debian packages the build needs when any is missing; clang
# and its libFuzzer runtime too when clang is the compiler (CXX=clang++) or
# when asked with --clang.
# As root it runs apt-get; otherwise it prints the exact command and fails.
set -euo pipefail
PACKAGES=(g++ make cmake libgtest-dev libgmock-dev libpugixml-dev libcli11-dev)
CLANG_PACKAGES=(clang libclang-rt-14-dev)
case "${CXX:-}" in *clang*) PACKAGES+=("${CLANG_PACKAGES[@]}") ;; esac
[ "${1:-}" = "--clang" ] && PACKAGES+=("${CLANG_PACKAGES[@]}")
missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
else
  echo "Missing packages. Run:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
