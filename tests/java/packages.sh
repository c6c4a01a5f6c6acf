#!/usr/bin/env bash
# Generated code in named packages: two specifications, each declaring its
# own package, go into one program with a parser of the package calc
# (byaccj -Jpackage=calc). The builders must find their type classes at run
# time, TypeException(message, line) must show the line, and the two type
# systems must not mix.
source "$(dirname "$0")/lib.sh" || exit 1
require_jdk
require_byaccj
enter_scratch
for package in calc query; do
	mkdir "$package"
	(cd "$package" && copy_api && cp "$DATA/packages/$package.spec" . && run_vastor "$package.spec")
	# TEParser belongs to no package; a package line in front puts it in the specification's.
	{ printf 'package %s;\n' "$package"; cat "$API_DIR/TEParser.java"; } >"$package/TEParser.java"
done
cp "$DATA/packages/calc.yt" "$DATA/packages/SemanticValue.java" .
"$TOOLS_DIR/Perlan" calc.yt || fail "Perlan calc.yt exited with $?"
byaccj -J -Jsemantic=SemanticValue -Jpackage=calc calc.y >byaccj.out 2>&1 ||
	fail "byaccj rejected calc.y:
$(cat byaccj.out)"
mkdir classes
"${JAVAC[@]}" -encoding ISO-8859-1 -d classes calc/Type.java calc/TEParser.java query/Type.java \
	query/TEParser.java Parser.java SemanticValue.java $(find calc/api -name '*.java' ! -name TEParser.java) \
	2>javac.err || fail "javac rejected the packaged program:
$(cat javac.err)"
status=0
"${JAVA[@]}" -cp classes calc.Parser <"$DATA/packages/input.txt" >run.out 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "calc.Parser exited with $status:
$(cat run.out)"
diff -u "$DATA/packages/expected.txt" run.out || fail "unexpected output of calc.Parser"
echo "PASS: two packaged type systems and a packaged parser work in one program"
