#!/usr/bin/env bash
# Perlan's output feeds byacc/J: the calculator grammar is rewritten by
# Perlan, turned into Java by byaccj, compiled and run on an input with type
# errors; every error must be recorded and parsing must reach the end.
source "$(dirname "$0")/lib.sh" || exit 1
require_jdk
require_byaccj
enter_scratch
cp "$DATA/calc/calc.yt" "$DATA/calc/SemanticValue.java" "$DATA/calc/input.txt" .

[ -x "$TOOLS_DIR/Perlan" ] || fail "$TOOLS_DIR/Perlan has not been built"
"$TOOLS_DIR/Perlan" calc.yt || fail "Perlan calc.yt exited with $?"
grep -q '/\*<' calc.y && fail "calc.y still holds a typechecking block"
byaccj -J -Jsemantic=SemanticValue calc.y >byaccj.out 2>&1 || fail "byaccj rejected calc.y:
$(cat byaccj.out)"
mkdir classes
"${JAVAC[@]}" -d classes Parser.java SemanticValue.java 2>javac.err || fail "javac rejected the parser:
$(cat javac.err)"
status=0
"${JAVA[@]}" -cp classes Parser input.txt >run.out 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the parser exited with $status:
$(cat run.out)"
diff -u "$DATA/calc/expected.txt" run.out || fail "unexpected output of the parser"
echo "PASS: calculator parsed to the end and reported its type errors"
