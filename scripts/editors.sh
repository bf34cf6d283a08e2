#!/usr/bin/env bash
# The editors' side of `olvaren lsp`, on a built tree (build/ unless
# OLVAREN_BUILD names another): the Neovim client on the corpus (through
# CTest), then the VS Code extension: its pinned packages (npm ci, from
# package-lock.json), its vscode-jsonrpc test against the server, and the
# .vsix packaged with @vscode/vsce into editors/vscode/olvaren.vsix.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${OLVAREN_BUILD:-build}
bash scripts/deps.sh --editors
ctest --test-dir "$build" -R '^lsp_nvim_corpus$' --output-on-failure
cd editors/vscode
npm ci --no-audit --no-fund
OLVAREN="$PWD/../../$build/bin/olvaren" npm test
echo y | npx vsce package --out olvaren.vsix
