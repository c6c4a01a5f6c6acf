#!/usr/bin/env bash
# The mapper: its table (MapperTable.java), then javac's real output through
# the filter typetools-map and through the javac wrapper, which must print
# the same lines and keep javac's exit status.
# usage: mapper.sh <typetools-build.jar> <scratch folder>
set -euo pipefail
jar=$1 scratch=$2 here=$(cd "$(dirname "$0")" && pwd)
bash "$here/table.sh" "$jar" "$scratch/table" "$here/mapper/MapperTable.java"

work=$scratch/javac
mkdir -p "$work/gen" "$work/src" "$work/parser"
cd "$work"
printf 'class Broken {\n\tint size () { return lenght; }\n}\n' >src/types.spec
printf '// generated\npublic class Type {\n\tint size () { return lenght; }\n}\n' >gen/Type.java
printf 'SMAP\nType.java\nVastor\n*S Vastor\n*F\n+ 1 types.spec\n../src/types.spec\n*L\n2#1:3\n*E\n' >gen/Type.java.smap
printf 'class Parser {\n//#line 3 "lang.y"\n\tvoid action () { undefined(); }\n}\n' >parser/Parser.java
expected='src/types.spec:2: error: cannot find symbol
	int size () { return lenght; }
	                     ^
  symbol:   variable lenght
  location: class Type
src/lang.yt:3: error: cannot find symbol
	void action () { undefined(); }
	                 ^
  symbol:   method undefined()
  location: class Parser
2 errors'
java="java -XX:TieredStopAtLevel=1 -XX:+UseSerialGC"

status=0
javac -J-XX:TieredStopAtLevel=1 -d classes gen/Type.java parser/Parser.java >javac.out 2>&1 || status=$?
[ "$status" = 1 ] || { echo "FAIL: javac ended with $status: $(cat javac.out)"; exit 1; }
$java -cp "$jar" org.typetools.build.TypetoolsMap --map lang.y=src/lang.yt <javac.out >filtered.out
[ "$(cat filtered.out)" = "$expected" ] || { echo "FAIL: typetools-map wrote:"; cat filtered.out; exit 1; }

status=0
$java -cp "$jar" org.typetools.build.MappingJavac -d classes gen/Type.java parser/Parser.java >wrapper.out 2>&1 ||
	status=$?
[ "$status" = 1 ] || { echo "FAIL: the javac wrapper ended with $status: $(cat wrapper.out)"; exit 1; }
# The wrapper has no --map: the parser line stays where javac put it.
sed 's|^src/lang.yt:3:|parser/Parser.java:3:|' filtered.out | cmp -s - wrapper.out ||
	{ echo "FAIL: the javac wrapper wrote:"; cat wrapper.out; exit 1; }

status=0
$java -cp "$jar" org.typetools.build.TypetoolsMap --map lang.y >usage.out 2>&1 || status=$?
[ "$status" = 2 ] && grep -q '^usage: typetools-map' usage.out || { echo "FAIL: a bad --map: $(cat usage.out)"; exit 1; }
echo "PASS: javac's output through typetools-map and the javac wrapper"
