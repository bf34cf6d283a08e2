#!/usr/bin/env bash
# Installs the Debian packages the build needs when any is missing; clang
# and its libFuzzer runtime too when clang is the compiler (CXX=clang++) or
# when asked with --clang; with --windows also what the Windows build and
# its Wine suite need (MinGW-w64, GoogleTest's sources, Wine, jq); with
# --editors what the language server's editor tests need (Neovim, Node.js
# with npm).
# As root it runs apt-get; otherwise it prints the exact command and fails.
set -euo pipefail
PACKAGES=(g++ make cmake libgtest-dev libgmock-dev libpugixml-dev libcli11-dev help2man nlohmann-json3-dev)
CLANG_PACKAGES=(clang libclang-rt-14-dev)
EDITOR_PACKAGES=(neovim)
WINDOWS_PACKAGES=(googletest g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 jq)
case "${CXX:-}" in *clang*) PACKAGES+=("${CLANG_PACKAGES[@]}") ;; esac
for arg in "$@"; do
  case $arg in
    --clang) PACKAGES+=("${CLANG_PACKAGES[@]}") ;;
    --windows) PACKAGES+=("${WINDOWS_PACKAGES[@]}") ;;
    --editors)
      PACKAGES+=("${EDITOR_PACKAGES[@]}")
      # Node.js brings npm with it; Debian's npm package only where it does not.
      command -v npm >/dev/null || PACKAGES+=(nodejs npm) ;;
    *) echo "deps.sh: unknown option '$arg' (known: --clang, --windows, --editors)" >&2; exit 2 ;;
  esac
done
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
