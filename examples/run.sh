#!/usr/bin/env bash
# Runs both tools on the shipped examples: Perlan on the calc grammar (the
# diff shows the rewritten actions), then the exprlang example end to end.
#
# usage: examples/run.sh [output-dir]
# In the source tree it builds the tools first (preset default) and writes
# into build/examples unless told otherwise. Installed, as
# <prefix>/share/doc/typetools/examples/run.sh, it runs the programs of
# <prefix>/bin and writes into a temporary folder unless told otherwise.
# The packages it needs come from scripts/install-deps.sh in the source tree.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

if [ -f "$here/../CMakePresets.json" ]; then
    cd "$here/.."
    cmake --preset default >/dev/null
    cmake --build --preset default -j2
    bin="$PWD/build/bin"
    out="${1:-build/examples}"
else
    bin="$(cd "$here/../../../../bin" 2>/dev/null && pwd)" ||
        { echo "run.sh: no bin folder next to the installed examples" >&2; exit 1; }
    if [ $# -ge 1 ]; then
        out=$1
    else
        out=$(mktemp -d)
        trap 'rm -rf "$out"' EXIT
    fi
fi
out="$(mkdir -p "$out" && cd "$out" && pwd)"

# Perlan copies the grammar and rewrites each typechecking block /*< ... >*/
# inside an action into a try block; the diff shows the rewritten actions.
echo "== Perlan $here/calc/calc.yt -> $out/calc/calc.y"
mkdir -p "$out/calc"
"$bin/Perlan" "$here/calc/calc.yt" "$out/calc/calc.y"
diff "$here/calc/calc.yt" "$out/calc/calc.y" || true
blocks=$(grep -o ' try { ' "$out/calc/calc.y" | wc -l)

# The whole road: Vastor writes the type classes of a tiny typed expression
# language, Perlan rewrites its grammar, byacc/J and javac build the checker,
# which then runs on a sample program with type errors.
echo "== examples/exprlang: Vastor, Perlan, byaccj, javac, java"
bash "$here/exprlang/run.sh" "$bin" "$out/exprlang" | tee "$out/exprlang.log"
checked=$(grep '^parsed to the end: ' "$out/exprlang.log")

echo "== shown: Perlan rewrote $blocks typechecking blocks of calc.yt;" \
     "exprlang built with both tools and checked sample.expr (${checked#parsed to the end: })"
