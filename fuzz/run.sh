#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang in build-fuzz and runs each one in
# turn for the given number of seconds.
#
#   fuzz/run.sh <seconds-per-harness> [harness...]
#
# Each harness starts from its corpus in build-fuzz/corpus/<harness> (kept
# between runs), the seeds in fuzz/corpus/<harness> and, for the input
# harnesses, the inputs of the golden cases (both tools' for the language
# server's, with the two input harnesses' seeds). Inputs that break a harness are
# saved in build-fuzz/artifacts/<harness>/; logs go to build-fuzz/logs/.
# FUZZ_OPTIONS adds libFuzzer options, e.g. FUZZ_OPTIONS=-runs=10000000.
# Without clang's libFuzzer runtime the script says so and does nothing,
# except under CI, where that is a failure.
set -euo pipefail
cd "$(dirname "$0")/.."

usage="usage: fuzz/run.sh <seconds-per-harness> [harness...]"
seconds=${1:?$usage}
[[ $seconds =~ ^[0-9]+$ ]] || { echo "$usage" >&2; exit 2; }
shift
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=(perlan_grammar_fuzzer vastor_specification_fuzzer vastor_switches_fuzzer lsp_messages_fuzzer)
build=build-fuzz

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' >"$probe/probe.cpp"
if ! command -v clang++ >/dev/null || ! clang++ -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
  # In CI the install step provides it: a missing runtime is a failure there.
  if [ -n "${CI:-}" ]; then
    echo "fuzz/run.sh: clang++ with the libFuzzer runtime is missing" >&2
    exit 1
  fi
  echo "fuzz/run.sh: clang++ with the libFuzzer runtime is missing; fuzzing skipped" >&2
  exit 0
fi

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTYPETOOLS_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target "${harnesses[@]}"

# Seeds from the golden cases: the files each case starts with.
golden_seeds() {
  local tool=$1 into=$2 file
  mkdir -p "$into"
  for file in tests/golden/"$tool"/*/in/*; do
    [ -f "$file" ] || continue
    local case_dir=${file%/in/*}
    cp "$file" "$into/${case_dir##*/}-${file##*/}"
  done
}

failed=()
for harness in "${harnesses[@]}"; do
  corpus=$build/corpus/$harness
  seeds=$build/seeds/$harness
  artifacts=$build/artifacts/$harness
  log=$build/logs/$harness.log
  rm -rf "$seeds"
  mkdir -p "$corpus" "$seeds" "$artifacts" "$build/logs"
  case $harness in
    perlan_*) golden_seeds perlan "$seeds" ;;
    vastor_specification_*) golden_seeds vastor "$seeds" ;;
    lsp_*)
      golden_seeds perlan "$seeds"
      golden_seeds vastor "$seeds"
      cp fuzz/corpus/perlan_grammar_fuzzer/* fuzz/corpus/vastor_specification_fuzzer/* "$seeds/" ;;
  esac

  echo "== $harness: ${seconds}s =="
  # shellcheck disable=SC2086 # FUZZ_OPTIONS holds several options
  if "$build/bin/$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -dict="fuzz/${harness%_fuzzer}.dict" -artifact_prefix="$artifacts/" -print_final_stats=1 \
       ${FUZZ_OPTIONS:-} "$corpus" "fuzz/corpus/$harness" "$seeds" >"$log" 2>&1; then
    grep -E '^#[0-9]+' "$log" | tail -n 1 || true
    grep -E 'stat::number_of_executed_units' "$log" || true
    echo "corpus: $(find "$corpus" -type f | wc -l) inputs"
  else
    tail -n 40 "$log"
    echo "$harness FAILED; the input is in $artifacts/" >&2
    failed+=("$harness")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]}" >&2
  exit 1
fi
