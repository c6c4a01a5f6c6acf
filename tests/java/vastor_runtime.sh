#!/usr/bin/env bash
# Vastor's output runs: generates runtime/types.spec (with -baseError=$1 when
# given), compiles it with the stand-in API and runs TypeBehaviourTest.
source "$(dirname "$0")/lib.sh" || exit 1
base=${1:-}
require_jdk
[ -n "$base" ] && require_antlr
enter_scratch
copy_api
cp "$DATA/runtime/types.spec" "$DATA/runtime/TypeBehaviourTest.java" .
run_vastor types.spec "$base"
compile_java TypeBehaviourTest.java
status=0
"${JAVA[@]}" -cp "classes:$ANTLR_JAR" TypeBehaviourTest >run.out 2>&1 || status=$?
cat run.out
[ "$status" -eq 0 ] || fail "TypeBehaviourTest exited with $status"
grep -qx "TypeException extends ${base:-java.lang.Exception}" run.out ||
	fail "TypeException does not extend ${base:-java.lang.Exception}"
echo "PASS: generated types behave as expected${base:+ with -baseError=$base}"
