#!/usr/bin/env bash
# The worked example runs end to end and finds exactly the type errors of its
# sample program, parsing it to the end.
source "$(dirname "$0")/lib.sh" || exit 1
require_jdk
require_byaccj
enter_scratch
status=0
bash "$EXAMPLES_DIR/exprlang/run.sh" "$TOOLS_DIR" work >run.out 2>run.err || status=$?
[ "$status" -eq 0 ] || fail "examples/exprlang/run.sh exited with $status:
$(cat run.out run.err)"
diff -u "$DATA/exprlang/expected.txt" run.out || fail "unexpected output of examples/exprlang/run.sh"
echo "PASS: the exprlang example runs and reports its type errors"
