#!/usr/bin/env bash
# Installs what a fresh machine lacks, runs each fuzzer for a short while,
# then builds everything twice, normally and with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole test suite on both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

echo "== fuzzing, ${FUZZ_SECONDS:-60} s per harness =="
bash fuzz/run.sh "${FUZZ_SECONDS:-60}"

for preset in default sanitize; do
  echo "== ${preset} build =="
  cmake --preset "${preset}" >/dev/null
  cmake --build --preset "${preset}" -j "${jobs}"
  ctest --preset "${preset}" -j "${jobs}"
done
