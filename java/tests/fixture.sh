#!/usr/bin/env bash
# Builds the exprlang example with one build tool (maven, gradle or ant) and
# the typetools integration for it, through every case a user meets:
#   1. a clean build generates, compiles, and the checker runs;
#   2. a second build regenerates nothing;
#   3. touching (Gradle: editing) the specification regenerates;
#   4. changing an option (the executable) regenerates;
#   5. a broken specification fails with types.spec:<line>: error: and leaves
#      no Type.java; mending it recovers;
#   6. a broken grammar fails with exprlang.yt:<line>: error: and leaves no
#      rewritten grammar; mending it recovers;
#   0. before all of them, with no tools on PATH or installed, the build
#      fails naming the option, PATH and the installed places.
# usage: fixture.sh <tool>; the environment gives TOOLS_DIR (Vastor, Perlan),
# EXAMPLE (examples/exprlang), EXPECTED (the checker's output), JARS (the
# built jars), REPOSITORY (the built Maven repository), FIXTURE (the project
# files of this tool) and SCRATCH (a folder of its own).
set -euo pipefail
tool=$1
fail() { echo "FAIL ($tool): $*" >&2; exit 1; }
started=$SECONDS

rm -rf "$SCRATCH"
mkdir -p "$SCRATCH"
project=$SCRATCH/project
cp -r "$FIXTURE" "$project"
path_without_tools=$PATH
export PATH="$TOOLS_DIR:$PATH"
# Short builds: a quick-starting JVM saves much of the CPU time.
quick_jvm="-XX:TieredStopAtLevel=1 -XX:+UseSerialGC"
export MAVEN_OPTS=$quick_jvm ANT_OPTS=$quick_jvm
log=$SCRATCH/build.log
status_of_build=0

case $tool in
maven)
	sources=$project/src/main
	spec=$sources/vastor/types.spec grammar=$sources/perlan/exprlang.yt java_dir=$sources/java
	out=$project/target/generated-sources
	classes=$project/target/classes
	export FIXTURE_LOCAL_REPOSITORY=$SCRATCH/local-repository
	export FIXTURE_TYPETOOLS_REPOSITORY=file://$REPOSITORY
	build() { (cd "$project" && mvn -B -s settings.xml "$@" compile) >"$log" 2>&1; }
	with_executable() { build "-Dvastor.executable=$1"; }
	vastor_ran() { grep -q "Vastor: wrote $out/vastor/Type.java" "$log"; }
	up_to_date() { grep -q "Vastor: $out/vastor/Type.java is up to date" "$log" &&
		grep -q "Perlan: $out/perlan/exprlang.y is up to date" "$log"; }
	touch_spec() { touch -d '+1 second' "$spec"; }
	;;
gradle)
	sources=$project/src/main
	spec=$sources/vastor/types.spec grammar=$sources/perlan/exprlang.yt java_dir=$sources/java
	out=$project/build/generated-sources
	classes=$project/build/classes/java/main
	export FIXTURE_GRADLE_PLUGIN=$JARS/typetools-gradle-plugin.jar
	export GRADLE_USER_HOME=$SCRATCH/gradle-home
	# One daemon of its own serves all builds of this test and is stopped at the end.
	trap 'gradle --stop >/dev/null 2>&1 || true' EXIT
	mkdir -p "$GRADLE_USER_HOME"
	echo "org.gradle.jvmargs=$quick_jvm" >"$GRADLE_USER_HOME/gradle.properties"
	build() { (cd "$project" && gradle --offline --console=plain "$@" compileJava) >"$log" 2>&1; }
	with_executable() { build "-PvastorExecutable=$1"; }
	# A daemon keeps the PATH it was started with (Gradle 4.4.1 on Java 17).
	build_alone() { build --no-daemon; }
	vastor_ran() { grep -qE '^(> Task )?:vastor$' "$log"; }
	up_to_date() { grep -qE ':vastor UP-TO-DATE' "$log" && grep -qE ':perlan UP-TO-DATE' "$log"; }
	# Gradle compares contents: a touch alone leaves the task up to date.
	touch_spec() {
		touch -d '+1 second' "$spec"
		build || fail "build after touching failed: $(cat "$log")"
		up_to_date || fail "touching without a change reran the tasks: $(cat "$log")"
		echo >>"$spec"
	}
	;;
ant)
	spec=$project/src/types.spec grammar=$project/src/exprlang.yt java_dir=$project/src
	out=$project/build/generated-sources
	classes=$project/build/classes
	build() { (cd "$project" && ant -noinput -lib "$JARS/typetools-ant.jar" "$@" compile) >"$log" 2>&1; }
	with_executable() { build "-Dvastor.executable=$1"; }
	vastor_ran() { grep -q "Vastor: wrote $out/vastor/Type.java" "$log"; }
	up_to_date() { grep -q "Vastor: $out/vastor/Type.java is up to date" "$log" &&
		grep -q "Perlan: $out/perlan/exprlang.y is up to date" "$log"; }
	touch_spec() { touch -d '+1 second' "$spec"; }
	;;
*) fail "unknown build tool $tool" ;;
esac

mkdir -p "$(dirname "$spec")" "$(dirname "$grammar")" "$java_dir"
cp "$EXAMPLE/types.spec" "$spec"
cp "$EXAMPLE/exprlang.yt" "$grammar"
cp "$EXAMPLE"/{SemanticValue,Lexer,ExprLang}.java "$java_dir/"
type_java=$out/vastor/Type.java
declare -F build_alone >/dev/null || build_alone() { build; }
checker_output() {
	java -cp "$classes" ExprLang "$EXAMPLE/sample.expr" >"$SCRATCH/run.out" 2>&1 || true
	sed -n '/^== java ExprLang/,$p' "$EXPECTED" | sed 1d | diff -u - "$SCRATCH/run.out"
}

# 0. No tools anywhere (where no installed one is in the way).
if ! PATH=$path_without_tools command -v Vastor >/dev/null && [ ! -e /usr/bin/Vastor ] && [ ! -e /usr/local/bin/Vastor ]; then
	! PATH=$path_without_tools build_alone || fail "the build passed without Vastor: $(cat "$log")"
	grep -qE "(Vastor|Perlan) not found: .* is not set, no (Vastor|Perlan) is on PATH, and none is installed in .*/usr/bin" "$log" ||
		fail "no message naming the option, PATH and the installed places: $(cat "$log")"
fi

# 1. Clean build.
build || fail "clean build failed: $(cat "$log")"
[ -s "$type_java" ] || fail "no Type.java after a clean build"
[ -s "$out/vastor/es/corvena/dmq/typeChecking/errorHandling/TypeException.java" ] || fail "no TypeException.java"
checker_output || fail "the checker's output differs"

# 2. Nothing changed: nothing regenerated, Type.java keeps its time.
before=$(stat -c %Y.%N "$type_java" 2>/dev/null || stat -c %y "$type_java")
build || fail "second build failed: $(cat "$log")"
up_to_date || fail "the second build regenerated: $(cat "$log")"
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

# 5. A broken specification, then mended.
cp "$spec" "$SCRATCH/types.good"
line=$(($(wc -l <"$spec") + 1))
printf 'class broken {\n\tint x\n' >>"$spec"
! build || fail "a broken specification did not fail the build: $(cat "$log")"
grep -qE "types\.spec:$line: error: Semantic error: " "$log" || fail "no types.spec:$line: error: in: $(cat "$log")"
[ ! -e "$type_java" ] || fail "a stale Type.java was left after the failure"
cp "$SCRATCH/types.good" "$spec"
build || fail "build after mending the specification failed: $(cat "$log")"
checker_output || fail "the checker's output differs after mending the specification"

# 6. A broken grammar (an unterminated literal in an action), then mended.
cp "$grammar" "$SCRATCH/grammar.good"
sed -i '45i \	| error { "abc' "$grammar"
line=$(($(wc -l <"$grammar") + 1))
! build || fail "a broken grammar did not fail the build: $(cat "$log")"
grep -qE "exprlang\.yt:$line: error: Scanner error: end-of-file found in the middle of a literal" "$log" ||
	fail "no exprlang.yt:$line: error: in: $(cat "$log")"
[ ! -e "$out/perlan/exprlang.y" ] || fail "a stale exprlang.y was left after the failure"
cp "$SCRATCH/grammar.good" "$grammar"
build || fail "build after mending the grammar failed: $(cat "$log")"
checker_output || fail "the checker's output differs after mending the grammar"

echo "PASS ($tool): all cases in $((SECONDS - started)) s"
