#!/usr/bin/env bash
# Runs the build files and the command that java/README.md shows for one
# build tool (the code blocks after <!-- buildfile: <tool> <file> --> markers)
# as printed, on the exprlang example laid out in the conventional folders,
# with the tools in a prefix other than /usr, and checks that the program ran.
# usage: readme.sh <tool>; the environment gives README (java/README.md),
# TOOLS_DIR, EXAMPLE, EXPECTED, JARS, REPOSITORY and SCRATCH as for fixture.sh.
set -euo pipefail
tool=$1
fail() { echo "FAIL ($tool, $README): $*" >&2; exit 1; }
started=$SECONDS

rm -rf "$SCRATCH"
project=$SCRATCH/project
mkdir -p "$project"
awk -v tool="$tool" -v out="$project" '
	/^<!-- buildfile: / { if ($3 == tool) file = $4; next }
	/^```/ { if (inside) { inside = 0; file = ""; next } if (file != "") { inside = 1; target = out "/" file; printf "" > target; next } }
	inside { print > target }
' "$README"
[ -s "$project/command" ] || fail "no command for $tool"
ls "$project" | grep -qv '^command$' || fail "no build file for $tool"

cd "$project"
mkdir -p src/main/vastor src/main/perlan src/main/java
cp "$EXAMPLE/types.spec" src/main/vastor/
cp "$EXAMPLE/exprlang.yt" src/main/perlan/
cp "$EXAMPLE"/{SemanticValue,Lexer,ExprLang}.java src/main/java/
cp "$EXAMPLE/sample.expr" .

# An installation in a prefix of its own, made of the build's files.
prefix=$SCRATCH/prefix
mkdir -p "$prefix/share"
ln -s "$TOOLS_DIR" "$prefix/bin"
ln -s "$JARS" "$prefix/share/java"
ln -s "$REPOSITORY" "$prefix/share/maven-repo"
export PATH="$prefix/bin:$PATH"

# The README's command, with what it says to add for another prefix (and a
# local Maven repository and Gradle home of the test's own).
read -r -a command <"$project/command"
case $tool in
maven)
	export TYPETOOLS_PREFIX=$prefix
	command+=("-Dmaven.repo.local=$SCRATCH/local-repository" -B)
	;;
gradle)
	echo "rootProject.name = 'exprlang'" >settings.gradle
	export GRADLE_USER_HOME=$SCRATCH/gradle-home
	command+=("-PtypetoolsPrefix=$prefix" --no-daemon)
	;;
ant) command+=("-Dtypetools.prefix=$prefix") ;;
esac
log=$SCRATCH/build.log
"${command[@]}" >"$log" 2>&1 || fail "${command[*]} failed: $(cat "$log")"
sed -n '/^== java ExprLang/,$p' "$EXPECTED" | sed 1d >"$SCRATCH/expected"
while IFS= read -r line; do
	grep -qF -- "$line" "$log" || fail "the program's output lacks \"$line\": $(cat "$log")"
done <"$SCRATCH/expected"
echo "PASS ($tool): the README's build file and command in $((SECONDS - started)) s"
