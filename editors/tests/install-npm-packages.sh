#!/usr/bin/env bash
# Installs the npm packages at the versions of each package-lock.json, into
# node_modules beside it: those the editor tests and the .vsix package use
# (here), and those the VS Code extension runs with (../textmate: its
# language client). Does nothing for a folder whose packages are there
# already, so the tests run offline after the first time.
set -euo pipefail
cd "$(dirname "$0")"
# install <folder> [npm ci options...]
install() {
  local folder=$1
  shift
  local stamp=$folder/node_modules/.typetools-lock.json
  if cmp -s "$folder/package-lock.json" "$stamp"; then
    return 0
  fi
  if ! command -v npm >/dev/null; then
    echo "npm is missing: run scripts/install-deps.sh" >&2
    exit 1
  fi
  # No install scripts: none of these packages needs one to package or test
  # (vsce's optional keytar would try to build a native module).
  (cd "$folder" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error "$@")
  cp "$folder/package-lock.json" "$stamp"
}
install .
install ../textmate --omit=dev
