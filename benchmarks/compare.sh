#!/usr/bin/env bash
# Builds Vastor and Perlan from two sources and measures both builds on the
# same inputs, printing each figure before and after: instructions
# (callgrind; the same on every run), CPU time and minor page faults (medians
# of the runs, the two builds' runs alternating) and peak resident memory
# (the highest). The figures of benchmarks/RESULTS.md come from this script.
# Besides the build tools it needs valgrind and python3.
#
#   usage: benchmarks/compare.sh <before> <after> [runs]
#
# A source is a git revision of this repository or a folder holding a source
# tree (a copy with one device taken out, say). The inputs are made by the
# benchmark programs of a build of the current tree (BENCHMARKS=<its bin
# folder>, default build/bin): 10,000-class specifications of both shapes,
# 50 MB grammars of both shapes, and the shipped example. Builds of revisions
# are kept in COMPARE_CACHE (default /tmp/typetools-compare) for the next call.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 2 ] || { sed -n '2,/^set/p' "$0" | sed '$d' >&2; exit 2; }
before=$1 after=$2 runs=${3:-11}
benchmarks=${BENCHMARKS:-$root/build/bin}
cache=${COMPARE_CACHE:-/tmp/typetools-compare}
mkdir -p "$cache"

# build <source>: prints the folder that holds the programs built from it.
# The programs are compiled directly, as the RelWithDebInfo build compiles
# them (-O2 -g -DNDEBUG), so that any revision builds whatever its CMake
# files and tests were like.
build() {
  local source=$1 key tree out
  if [ -d "$source" ]; then
    tree=$(cd "$source" && pwd)
    key=tree-$(find "$tree/common" "$tree/preprocessor" "$tree/typecompiler" -name '*.cpp' -o -name '*.h' |
               sort | xargs cat | md5sum | cut -c1-12)
  else
    key=$(git -C "$root" rev-parse --verify "$source^{commit}")
    tree=$cache/$key/src
    if [ ! -d "$tree" ]; then
      mkdir -p "$tree"
      git -C "$root" archive "$key" | tar -x -C "$tree"
    fi
  fi
  out=$cache/$key/bin
  mkdir -p "$out"
  local common=("$tree"/common/*.cpp)
  [ -d "$tree/common/posix" ] && common+=("$tree"/common/posix/*.cpp)
  local flags=(-std=c++20 -O2 -g -DNDEBUG -I"$tree")
  [ -x "$out/Perlan" ] || g++ "${flags[@]}" -o "$out/Perlan" "${common[@]}" "$tree"/preprocessor/*.cpp >&2
  # Early revisions have no Vastor yet: its figures are then left out.
  if [ ! -x "$out/Vastor" ] && [ -f "$tree/typecompiler/driver/main.cpp" ]; then
    mapfile -t vastor < <(find "$tree/typecompiler" -name '*.cpp' | sort)
    g++ "${flags[@]}" -o "$out/Vastor" "${common[@]}" "${vastor[@]}" >&2
  fi
  echo "$out"
}

inputs=$cache/inputs
if [ ! -f "$inputs/done" ]; then
  mkdir -p "$inputs"
  "$benchmarks/vastor_benchmark" --specification 10000 "$inputs/mixed.spec"
  "$benchmarks/vastor_benchmark" --specification 10000 "$inputs/delegation.spec" delegation
  "$benchmarks/perlan_benchmark" --grammar 50 "$inputs/mixed.yt"
  "$benchmarks/perlan_benchmark" --grammar 50 "$inputs/dense.yt" dense
  cp "$root/examples/exprlang/types.spec" "$inputs/example.spec"
  cp "$root/examples/exprlang/exprlang.yt" "$inputs/example.yt"
  touch "$inputs/done"
fi

# command <bin> <tool> <input> <scratch>: the command line of one run.
command() {
  if [ "$2" = Vastor ]; then echo "$1/Vastor spec.txt"; else echo "$1/Perlan $inputs/$3 $4/out.y"; fi
}

# instructions <scratch> <command...>: what callgrind counts for one run.
instructions() {
  local scratch=$1
  shift
  (cd "$scratch" && valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 |
                      sed -n 's/.*Collected : //p')
}

# A small C program runs the commands: a child forked from it starts with
# next to no pages, so that its faults and peak memory are the tool's.
launcher=$cache/launch
if [ ! -x "$launcher" ]; then
  cat >"$cache/launch.c" <<'C'
/* launch <runs> <command A...> -- <command B...>: runs A and B in turn, with
   standard error sent to /dev/null, and prints for A then B the median CPU
   time in ms, the median minor faults and the highest peak memory in kB. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

static int compare(const void* a, const void* b) {
    double x = *(const double*)a, y = *(const double*)b;
    return (x > y) - (x < y);
}

static double median(double* values, int n) {
    qsort(values, n, sizeof *values, compare);
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int main(int argc, char** argv) {
    int runs = atoi(argv[1]), split = 2;
    while (strcmp(argv[split], "--") != 0) ++split;
    argv[split] = NULL;
    char** commands[2] = {argv + 2, argv + split + 1};
    double* cpu[2] = {calloc(runs, sizeof(double)), calloc(runs, sizeof(double))};
    double* faults[2] = {calloc(runs, sizeof(double)), calloc(runs, sizeof(double))};
    long peak[2] = {0, 0};
    for (int run = 0; run < runs; ++run) {
        for (int i = 0; i < 2; ++i) {
            pid_t child = fork();
            if (child == 0) {
                int null = open("/dev/null", O_WRONLY);
                dup2(null, 2);
                execv(commands[i][0], commands[i]);
                _exit(127);
            }
            int status;
            struct rusage usage;
            wait4(child, &status, 0, &usage);
            cpu[i][run] = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                          (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
            faults[i][run] = usage.ru_minflt;
            if (usage.ru_maxrss > peak[i]) peak[i] = usage.ru_maxrss;
        }
    }
    for (int i = 0; i < 2; ++i) printf("%.1f %.0f %ld ", median(cpu[i], runs), median(faults[i], runs), peak[i]);
    printf("\n");
    return 0;
}
C
  gcc -O2 -o "$launcher" "$cache/launch.c"
fi

before_bin=$(build "$before")
after_bin=$(build "$after")
printf '%-7s %-17s %-14s %15s %15s %8s\n' tool input figure before after change
for case in "Vastor mixed.spec" "Vastor delegation.spec" "Vastor example.spec" \
            "Perlan mixed.yt" "Perlan dense.yt" "Perlan example.yt"; do
  set -- $case
  [ -x "$before_bin/$1" ] && [ -x "$after_bin/$1" ] || continue
  scratch=$(mktemp -d)
  [ "$1" = Vastor ] && cp "$inputs/$2" "$scratch/spec.txt"
  read -r -a before_command <<<"$(command "$before_bin" "$1" "$2" "$scratch")"
  read -r -a after_command <<<"$(command "$after_bin" "$1" "$2" "$scratch")"
  counts=("$(instructions "$scratch" "${before_command[@]}")" "$(instructions "$scratch" "${after_command[@]}")")
  # The runs of the two builds alternate, so that a change in the machine's
  # load weighs on both alike. They run in the scratch folder, as callgrind's
  # do: Vastor reads spec.txt and writes Type.java there.
  read -r -a figures <<<"$(cd "$scratch" && "$launcher" "$runs" "${before_command[@]}" -- "${after_command[@]}")"
  python3 - "$1" "$2" "${counts[@]}" "${figures[@]}" <<'PYTHON'
import sys
tool, name = sys.argv[1:3]
values = [float(v) for v in sys.argv[3:]]
rows = [("instructions", values[0], values[1]), ("CPU ms", values[2], values[5]),
        ("minor faults", values[3], values[6]), ("peak kB", values[4], values[7])]
for figure, before, after in rows:
    change = f"{(after - before) * 100 / before:+.1f} %" if before else "-"
    print(f"{tool:<7} {name:<17} {figure:<14} {before:>15,.0f} {after:>15,.0f} {change:>8}")
PYTHON
  rm -rf "$scratch"
done
