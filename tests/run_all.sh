#!/usr/bin/env bash
# Builds everything twice, normally and with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole test suite on both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

for preset in default sanitize; do
  echo "== ${preset} build =="
  cmake --preset "${preset}" >/dev/null
  cmake --build --preset "${preset}" -j "${jobs}"
  ctest --preset "${preset}" -j "${jobs}"
done
