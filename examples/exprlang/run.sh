#!/usr/bin/env bash
# Runs the exprlang example end to end: Vastor makes the type classes from
# types.spec, Perlan rewrites the typechecking blocks of exprlang.yt, byacc/J
# makes the parser, javac compiles everything with the Java API, and the
# checker runs on sample.expr.
#
# Usage: run.sh [TOOLS_BIN_DIR [WORK_DIR]]
#   TOOLS_BIN_DIR  folder holding Vastor and Perlan (default: build/bin)
#   WORK_DIR       folder to work in, emptied first (default: a temporary one)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/bin}" 2>/dev/null && pwd) ||
	{ echo "run.sh: no folder ${1:-$here/../../build/bin}; build the tools first" >&2; exit 1; }

for tool in "$bin/Vastor" "$bin/Perlan"; do
	[ -x "$tool" ] || { echo "run.sh: $tool not found; build the tools first" >&2; exit 1; }
done
for tool in byaccj javac java; do
	command -v "$tool" >/dev/null || { echo "run.sh: $tool not found on PATH" >&2; exit 1; }
done

if [ $# -ge 2 ]; then
	work=$2
	rm -rf "$work"
	mkdir -p "$work"
else
	work=$(mktemp -d)
	trap 'rm -rf "$work"' EXIT
fi
cd "$work"

# The API's sources: java/api/src in the source tree, share/typetools/api
# when installed (this script then lies in share/doc/typetools/examples).
api_src=
for candidate in "$here/../../java/api/src" "$here/../../../../typetools/api"; do
	[ -f "$candidate/TEParser.java" ] && { api_src=$(cd "$candidate" && pwd); break; }
done
[ -n "$api_src" ] || { echo "run.sh: the Java API sources were not found" >&2; exit 1; }

api=api/es/corvena/dmq/typeChecking
cp -r "$api_src" api
mkdir -p "$api/errorHandling"
cp "$here"/{types.spec,exprlang.yt,SemanticValue.java,Lexer.java,ExprLang.java,sample.expr} .

echo "== Vastor -API=$api types.spec"
"$bin/Vastor" -API="$api" types.spec
# Vastor reports a faulty specification on stderr and leaves Type.java empty.
[ -s Type.java ] || { echo "run.sh: Vastor wrote no Type.java" >&2; exit 1; }

echo "== Perlan exprlang.yt  (writes exprlang.y)"
"$bin/Perlan" exprlang.yt

echo "== byaccj -J -Jsemantic=SemanticValue exprlang.y  (writes Parser.java)"
byaccj -J -Jsemantic=SemanticValue exprlang.y

echo "== javac"
mkdir classes
javac -nowarn -d classes Type.java Parser.java Lexer.java SemanticValue.java ExprLang.java \
	$(find api -name '*.java') 2>&1 | grep -v '^Note: ' || true
[ -f classes/ExprLang.class ] || { echo "run.sh: javac failed" >&2; exit 1; }

echo "== java ExprLang sample.expr"
java -cp classes ExprLang sample.expr
