#!/usr/bin/env bash
# Runs the Neovim client (corpus_client.lua) against the built server.
# Usage: run.sh OLVAREN CORPUS_DIR. Exit 77 (skipped) without nvim or without
# the corpus; 1 when a check fails.
set -u
olvaren=$1 corpus=$2
if ! command -v nvim >/dev/null; then echo "skipped: no nvim (apt-get install neovim)"; exit 77; fi
if [ ! -f "$corpus/RequestPic.apt" ] || [ ! -f "$corpus/anri_lib.apl" ]; then
  echo "skipped: the corpus is not at $corpus"; exit 77
fi
home=$(mktemp -d) || exit 1
trap 'rm -rf "$home"' EXIT
export OLVAREN=$olvaren CORPUS=$corpus XDG_CONFIG_HOME=$home XDG_STATE_HOME=$home XDG_DATA_HOME=$home
timeout 120 nvim --headless -u NONE -i NONE -n -c "luafile $(dirname "$0")/corpus_client.lua"
