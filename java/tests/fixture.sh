#!/usr/bin/env bash
# Builds the exprlang example with one build tool (maven, gradle or ant) and
# the typetools integration for it, from the conventional folders:
# src/main/vastor holds exprlang's specification and one in a package of its
# own, src/main/perlan exprlang's grammar and a second one (parser class
# CountParser), and byacc/J runs inside the perlan goal or task. Every case a
# user meets:
#   1. a clean build generates, compiles, and the programs run;
#   2. a second build regenerates nothing and compiles nothing;
#   3. touching (Gradle: editing) the specification regenerates;
#   4. changing an option (the executable) regenerates;
#   5. a broken specification fails at types.spec:<line>, printed once at the
#      start of its line, and leaves no Type.java; mending it recovers;
#   6. a broken grammar fails at exprlang.yt:<line> and leaves neither the
#      rewritten grammar nor the parser; mending it recovers;
#   7. a Java error in a method body of the specification is reported by
#      javac at its types.spec line;
#   8. a Java error in a grammar action is reported at its exprlang.yt line;
#   9. a grammar that byacc/J rejects fails at its exprlang.yt line and
#      leaves no parser;
#   0. before all of them, with no tools on PATH nor in the installed places,
#      the build fails naming the option, PATH and those places.
# usage: fixture.sh <tool>; the environment gives TOOLS_DIR (Vastor, Perlan),
# EXAMPLE (examples/exprlang), EXPECTED (the checker's output), JARS (the
# built jars), REPOSITORY (the built Maven repository), FIXTURE (the project
# files of this tool; ../shared holds the files all tools share) and SCRATCH
# (a folder of its own).
set -euo pipefail
tool=$1
fail() { echo "FAIL ($tool): $*" >&2; exit 1; }
started=$SECONDS

rm -rf "$SCRATCH"
mkdir -p "$SCRATCH"
project=$SCRATCH/project
cp -r "$FIXTURE" "$project"
shared=$FIXTURE/../shared
path_without_tools=$PATH
export PATH="$TOOLS_DIR:$PATH"
# Short builds: a quick-starting JVM saves much of the CPU time.
quick_jvm="-XX:TieredStopAtLevel=1 -XX:+UseSerialGC"
export MAVEN_OPTS=$quick_jvm ANT_OPTS=$quick_jvm
log=$SCRATCH/build.log

sources=$project/src/main
spec=$sources/vastor/types.spec grammar=$sources/perlan/exprlang.yt
case $tool in
maven)
	out=$project/target/generated-sources grammars=$project/target/perlan classes=$project/target/classes
	export FIXTURE_LOCAL_REPOSITORY=$SCRATCH/local-repository
	export FIXTURE_TYPETOOLS_REPOSITORY=file://$REPOSITORY
	build() { (cd "$project" && mvn -B -s settings.xml "$@" compile) >"$log" 2>&1; }
	with_executable() { build "-Dvastor.executable=$1"; }
	vastor_ran() { grep -q "Vastor: wrote $out/vastor/Type.java" "$log"; }
	up_to_date() { grep -q "Vastor: $out/vastor/Type.java is up to date" "$log" &&
		grep -q "Perlan: $grammars/exprlang.y is up to date" "$log" &&
		grep -q "byaccj: $out/byaccj/Parser.java is up to date" "$log"; }
	compiled_nothing() { ! grep -q "Changes detected" "$log" && grep -q "Nothing to compile" "$log"; }
	touch_spec() { touch -d '+1 second' "$spec"; }
	# Our messages carry Maven's level; javac's, through the compiler plugin, Maven's form file:[line,column].
	message_line() { grep -E "^\[ERROR\] $1:$2: error: " "$log"; }
	javac_line() { grep -E "^\[ERROR\] $1:\[$2,[0-9]+\] " "$log"; }
	;;
gradle)
	out=$project/build/generated-sources grammars=$project/build/perlan classes=$project/build/classes/java/main
	export FIXTURE_GRADLE_PLUGIN=$JARS/typetools-gradle-plugin.jar
	export GRADLE_USER_HOME=$SCRATCH/gradle-home
	# One daemon of its own serves all builds of this test and is stopped at the end.
	trap 'gradle --stop >/dev/null 2>&1 || true' EXIT
	mkdir -p "$GRADLE_USER_HOME"
	echo "org.gradle.jvmargs=$quick_jvm" >"$GRADLE_USER_HOME/gradle.properties"
	build() { (cd "$project" && gradle --offline --console=plain "$@" compileJava) >"$log" 2>&1; }
	with_executable() { build "-PvastorExecutable=$1"; }
	# A daemon keeps the environment it was started with (Gradle 4.4.1 on Java 17).
	build_alone() { build --no-daemon; }
	vastor_ran() { grep -qE '^(> Task )?:vastor$' "$log"; }
	up_to_date() { grep -qE ':vastor UP-TO-DATE' "$log" && grep -qE ':perlan UP-TO-DATE' "$log"; }
	compiled_nothing() { grep -qE ':compileJava UP-TO-DATE' "$log"; }
	# Gradle compares contents: a touch alone leaves the task up to date.
	touch_spec() {
		touch -d '+1 second' "$spec"
		build || fail "build after touching failed: $(cat "$log")"
		up_to_date || fail "touching without a change reran the tasks: $(cat "$log")"
		echo >>"$spec"
	}
	message_line() { grep -E "^$1:$2: error: " "$log"; }
	javac_line() { grep -E "^$1:$2: error: " "$log"; }
	;;
ant)
	out=$project/build/generated-sources grammars=$project/build/perlan classes=$project/build/classes
	build() { (cd "$project" && ant -noinput -lib "$JARS/typetools-ant.jar" "$@" compile) >"$log" 2>&1; }
	with_executable() { build "-Dvastor.executable=$1"; }
	vastor_ran() { grep -q "Vastor: wrote $out/vastor/Type.java" "$log"; }
	up_to_date() { grep -q "Vastor: $out/vastor/Type.java is up to date" "$log" &&
		grep -q "Perlan: $grammars/exprlang.y is up to date" "$log" &&
		grep -q "byaccj: $out/byaccj/Parser.java is up to date" "$log"; }
	compiled_nothing() { ! grep -q "Compiling [0-9]* source file" "$log"; }
	touch_spec() { touch -d '+1 second' "$spec"; }
	message_line() { grep -E "^ *\[typetools:(vastor|perlan)\] $1:$2: error: " "$log"; }
	javac_line() { grep -E "^ *\[javac\] $1:$2: error: " "$log"; }
	;;
*) fail "unknown build tool $tool" ;;
esac

mkdir -p "$sources/vastor/extra" "$sources/perlan" "$sources/java/extra"
cp "$EXAMPLE/types.spec" "$spec"
cp "$shared/extra.spec" "$sources/vastor/extra/"
cp "$EXAMPLE/exprlang.yt" "$grammar"
cp "$shared/count.yt" "$sources/perlan/"
cp "$EXAMPLE"/{SemanticValue,Lexer,ExprLang}.java "$shared/FixtureCheck.java" "$sources/java/"
cp "$shared/PackagedTypes.java" "$sources/java/extra/"
type_java=$out/vastor/Type.java parser=$out/byaccj/Parser.java
declare -F build_alone >/dev/null || build_alone() { build; }
checker_output() {
	java -cp "$classes" ExprLang "$EXAMPLE/sample.expr" >"$SCRATCH/run.out" 2>&1 || true
	sed -n '/^== java ExprLang/,$p' "$EXPECTED" | sed 1d | diff -u - "$SCRATCH/run.out" &&
		[ "$(java -cp "$classes" FixtureCheck 2>&1)" = "$(printf 'small promotes to big\n3 words')" ]
}
# A diagnostic at file:line, once, at the start of its line (after the build tool's own prefix).
reported_once() {
	local kind=$1 file=$2 line=$3 found
	found=$($kind "$file" "$line" | wc -l)
	[ "$found" = 1 ] || fail "$(basename "$file"):$line reported $found times: $(cat "$log")"
	[ "$(grep -c "$(basename "$file"):$line: error: " "$log")" -le 1 ] ||
		fail "$(basename "$file"):$line repeated: $(cat "$log")"
}

# 0. No tools anywhere: PATH without the folders that hold them, and the
#    installed places replaced by an empty folder.
mkdir -p "$SCRATCH/no-tools"
bare_path=$(tr ':' '\n' <<<"$path_without_tools" |
	while read -r folder; do [ -x "$folder/Vastor" ] || [ -x "$folder/Perlan" ] || printf '%s:' "$folder"; done)
if PATH=$bare_path command -v java >/dev/null && PATH=$bare_path command -v "${tool/maven/mvn}" >/dev/null; then
	! PATH=$bare_path TYPETOOLS_BINDIR=$SCRATCH/no-tools build_alone || fail "the build passed without Vastor: $(cat "$log")"
	grep -qE "(Vastor|Perlan) not found: .* is not set, no (Vastor|Perlan) is on PATH, and none is installed in $SCRATCH/no-tools; install typetools or set" "$log" ||
		fail "no message naming the option, PATH and the installed places: $(cat "$log")"
else
	echo "($tool: the case without tools is left out: the build tool shares a folder with an installed Vastor)"
fi

# 1. Clean build.
build || fail "clean build failed: $(cat "$log")"
[ -s "$type_java" ] || fail "no Type.java after a clean build"
[ -s "$out/vastor/es/corvena/dmq/typeChecking/errorHandling/TypeException.java" ] || fail "no TypeException.java"
head -n 1 "$out/vastor/extra/TEParser.java" | grep -qx 'package extra;' || fail "no TEParser in package extra"
[ -s "$type_java.smap" ] && [ -s "$grammars/exprlang.y.smap" ] || fail "no maps beside Type.java and the rewritten grammar"
[ -s "$parser" ] && [ -s "$out/byaccj/CountParser.java" ] || fail "no parsers: $(ls -R "$out")"
checker_output || fail "the programs' output differs"

# 2. Nothing changed: nothing regenerated, nothing compiled, Type.java keeps its time.
before=$(stat -c %Y.%N "$type_java" 2>/dev/null || stat -c %y "$type_java")
build || fail "second build failed: $(cat "$log")"
up_to_date || fail "the second build regenerated: $(cat "$log")"
compiled_nothing || fail "the second build compiled: $(cat "$log")"
[ "$(stat -c %Y.%N "$type_java" 2>/dev/null || stat -c %y "$type_java")" = "$before" ] || fail "Type.java was rewritten"

# 3. The specification touched.
touch_spec
build || fail "build after touching the specification failed: $(cat "$log")"
vastor_ran || fail "touching the specification did not regenerate: $(cat "$log")"

# 4. Another executable (a copy of Vastor elsewhere).
mkdir -p "$SCRATCH/other-bin"
cp "$TOOLS_DIR/Vastor" "$SCRATCH/other-bin/Vastor"
with_executable "$SCRATCH/other-bin/Vastor" || fail "build with another executable failed: $(cat "$log")"
vastor_ran || fail "changing the executable did not regenerate: $(cat "$log")"

# broken <file> <sed script> <case>: the build must fail; mend restores the file.
broken() {
	cp "$1" "$SCRATCH/good"
	sed -i "$2" "$1"
	! build || fail "$3 did not fail the build: $(cat "$log")"
}
mend() {
	cp "$SCRATCH/good" "$1"
	build || fail "build after mending $(basename "$1") failed: $(cat "$log")"
	checker_output || fail "the programs' output differs after mending $(basename "$1")"
}

# 5. A broken specification (Vastor's error at the class that the Types directive lacks).
line=$(($(wc -l <"$spec") + 1))
broken "$spec" '$a class broken {\n\tint x' "a broken specification"
grep -qE "types\.spec:$line: error: Semantic error: " "$log" || fail "no types.spec:$line: error: in: $(cat "$log")"
reported_once message_line "$spec" "$line"
[ ! -e "$type_java" ] || fail "a stale Type.java was left after the failure"
mend "$spec"

# 6. A broken grammar (an unterminated literal in an action: Perlan's error).
broken "$grammar" '45i \	| error { "abc' "a broken grammar"
line=$(($(wc -l <"$SCRATCH/good") + 2))
grep -qE "exprlang\.yt:$line: error: Scanner error: end-of-file found in the middle of a literal" "$log" ||
	fail "no exprlang.yt:$line: error: in: $(cat "$log")"
reported_once message_line "$grammar" "$line"
[ ! -e "$grammars/exprlang.y" ] || fail "a stale exprlang.y was left after the failure"
[ ! -e "$parser" ] || fail "a stale Parser.java was left after the failure"
mend "$grammar"

# 7. A Java error in a method body of the specification (line 37), found by javac.
broken "$spec" '37s/return getName()/return getNme()/' "a Java error in the specification"
javac_line "$spec" 37 >/dev/null || fail "javac's error not at types.spec:37: $(cat "$log")"
mend "$spec"

# 8. A Java error in a grammar action (line 29), found by javac.
broken "$grammar" '29s/statements++/statement++/' "a Java error in a grammar action"
javac_line "$grammar" 29 >/dev/null || fail "javac's error not at exprlang.yt:29: $(cat "$log")"
mend "$grammar"

# 9. A typechecking block whose end was deleted: byacc/J finds the action unterminated.
broken "$grammar" '34s/ >\*\/ }/ }/' "a grammar byacc/J rejects"
message_line "$grammar" 34 | grep -q 'unterminated action' || fail "byacc/J's error not at exprlang.yt:34: $(cat "$log")"
reported_once message_line "$grammar" 34
[ ! -e "$parser" ] || fail "a stale Parser.java was left after byacc/J's failure"
mend "$grammar"

echo "PASS ($tool): all cases in $((SECONDS - started)) s"
