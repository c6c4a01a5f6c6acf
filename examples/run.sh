#!/usr/bin/env bash
# Builds the tools and runs them on the shipped example grammar.
#
# usage: examples/run.sh [output-dir]     (default: build/examples)
# Runs from the repository root whatever the caller's directory.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
out="$(mkdir -p "${1:-build/examples}" && cd "${1:-build/examples}" && pwd)"

build() {
    cmake --preset default >/dev/null
    cmake --build --preset default -j2
}

# Perlan copies the grammar and rewrites each typechecking block /*< ... >*/
# inside an action into a try block; the diff shows the rewritten actions.
preprocess_calc() {
    mkdir -p "$out/calc"
    build/bin/Perlan examples/calc/calc.yt "$out/calc/calc.y"
    echo "== Perlan examples/calc/calc.yt -> $out/calc/calc.y"
    diff examples/calc/calc.yt "$out/calc/calc.y" || true
}

# The whole road: Vastor writes the type classes of a tiny typed expression
# language, Perlan rewrites its grammar, byacc/J and javac build the checker,
# which then runs on a sample program with type errors.
run_exprlang() {
    echo "== examples/exprlang: Vastor, Perlan, byaccj, javac, java"
    bash examples/exprlang/run.sh build/bin "$out/exprlang"
}

build
preprocess_calc
run_exprlang
