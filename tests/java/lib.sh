# Shared by the Java checks. The caller sets TOOLS_DIR (the built tools),
# API_DIR (the stand-in API), SCRATCH (a folder of its own in the build tree)
# and DATA (this folder).
set -euo pipefail

ANTLR_JAR=${ANTLR_JAR:-/usr/share/java/antlr.jar}
API_PACKAGE=es/corvena/dmq/typeChecking
# Small programs: a quick-starting JVM saves about a third of the CPU time.
JVM_QUICK=(-XX:TieredStopAtLevel=1 -XX:+UseSerialGC)
JAVAC=(javac -J-XX:TieredStopAtLevel=1 -J-XX:+UseSerialGC -nowarn)
JAVA=(java "${JVM_QUICK[@]}")

# Exit status 77 marks the test as skipped; used only when a tool is absent.
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

require_jdk() {
	command -v javac >/dev/null && command -v java >/dev/null ||
		skip "javac/java not found (Debian package default-jdk-headless)"
}
require_byaccj() {
	command -v byaccj >/dev/null || skip "byaccj not found (Debian package byacc-j)"
}
require_antlr() {
	[ -f "$ANTLR_JAR" ] || skip "$ANTLR_JAR not found (Debian package libantlr-java)"
}

# Empties the scratch folder and enters it.
enter_scratch() {
	rm -rf "$SCRATCH"
	mkdir -p "$SCRATCH"
	cd "$SCRATCH"
}

# Copies the stand-in API to ./api, ready to receive TypeException.java.
copy_api() {
	cp -r "$API_DIR" api
	mkdir -p "api/$API_PACKAGE/errorHandling"
	rm -f "api/$API_PACKAGE/errorHandling/TypeException.java"
}

# Runs Vastor on the specification $1 with -API=./api and, when $2 is not
# empty, -baseError=$2. Fails unless Type.java and TypeException.java were
# written and stderr holds nothing but "Definition of" notices.
run_vastor() {
	local spec=$1 base=${2:-}
	local args=("-API=api/$API_PACKAGE")
	[ -n "$base" ] && args+=("-baseError=$base")
	[ -x "$TOOLS_DIR/Vastor" ] || fail "$TOOLS_DIR/Vastor has not been built"
	local status=0
	"$TOOLS_DIR/Vastor" "${args[@]}" "$spec" 2>vastor.err || status=$?
	[ "$status" -eq 0 ] || fail "Vastor ${args[*]} $spec exited with $status: $(cat vastor.err)"
	if grep -v '^Definition of ' vastor.err >/dev/null; then
		fail "Vastor ${args[*]} $spec reported: $(cat vastor.err)"
	fi
	[ -s Type.java ] || fail "Vastor ${args[*]} $spec left Type.java empty"
	[ -s "api/$API_PACKAGE/errorHandling/TypeException.java" ] ||
		fail "Vastor ${args[*]} $spec wrote no api/$API_PACKAGE/errorHandling/TypeException.java"
}

# Compiles Type.java, the API with its generated TypeException.java and any
# further sources given into ./classes.
compile_java() {
	mkdir -p classes
	"${JAVAC[@]}" -encoding ISO-8859-1 -d classes -cp "$ANTLR_JAR" \
		Type.java $(find api -name '*.java') "$@" 2>javac.err ||
		fail "javac rejected the generated code:
$(cat javac.err)"
}
