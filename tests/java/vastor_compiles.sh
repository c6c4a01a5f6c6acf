#!/usr/bin/env bash
# Vastor's output compiles: runs Vastor -API on the specification $1 (with
# -baseError=$2 when given) and compiles Type.java, the generated
# TypeException.java and the stand-in API together.
source "$(dirname "$0")/lib.sh" || exit 1
spec=$1 base=${2:-}
require_jdk
[ -n "$base" ] && require_antlr
enter_scratch
copy_api
cp "$DATA/specs/$spec" .
run_vastor "$spec" "$base"
compile_java
echo "PASS: Vastor's output for $spec${base:+ with -baseError=$base} compiles"
