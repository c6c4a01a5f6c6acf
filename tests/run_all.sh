#!/usr/bin/env bash
# Configures, builds and runs every test suite twice: with the preset ci
# (warnings are errors), then with the preset sanitize (AddressSanitizer and
# UndefinedBehaviorSanitizer); then the Windows programs (preset windows) and
# the Linux programs for 64-bit ARM (preset linux-aarch64). Installs nothing
# and needs no root: the packages of scripts/install-deps.sh must be there.
#   JOBS=<n> sets the parallel jobs (default: the number of cores).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

# run_preset <preset> [ctest arguments...]
run_preset() {
  local preset=$1 start=$SECONDS
  shift
  echo "== ${preset}: configure, build, test =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs" "$@"
  echo "== ${preset}: done in $((SECONDS - start)) s =="
}

run_preset ci
# The build-tool plugins and the editor modes run no code of the tools that
# the sanitizers would watch differently, nor does the release archive's
# check (it builds the programs itself): they are tested once, above.
run_preset sanitize -LE 'buildtools|editors|archive'

# The Windows programs, cross-built with MinGW-w64: the golden cases, the
# unit tests and the release archive's check run them under Wine (one
# persistent wine server for the whole run). Warnings are errors here too.
run_preset windows

# The Linux programs for 64-bit ARM, cross-built with GCC and linked
# statically, tests included: the golden cases, the unit tests and the release
# archive's check run them under qemu. Warnings are errors here too.
run_preset linux-aarch64
