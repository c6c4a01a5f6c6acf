#!/usr/bin/env bash
# Installs the npm packages that the editor tests and the .vsix package use, at the
# versions of package-lock.json, into node_modules beside it. Does nothing
# when they are there already, so the tests run offline after the first time.
set -euo pipefail
cd "$(dirname "$0")"
stamp=node_modules/.typetools-lock.json
if cmp -s package-lock.json "$stamp"; then
  exit 0
fi
if ! command -v npm >/dev/null; then
  echo "npm is missing: run scripts/install-deps.sh" >&2
  exit 1
fi
# No install scripts: none of these packages needs one to package or test
# (vsce's optional keytar would try to build a native module).
npm ci --ignore-scripts --no-audit --no-fund --loglevel=error
cp package-lock.json "$stamp"
