#!/usr/bin/env bash
# Compiles and runs one table test of the Java side against the built jar;
# the test gets a scratch folder of its own as its argument.
# usage: table.sh <classpath> <scratch folder> <Table.java>
set -euo pipefail
classpath=$1 scratch=$2 source=$3
rm -rf "$scratch"
mkdir -p "$scratch/classes" "$scratch/work"
javac -nowarn -J-XX:TieredStopAtLevel=1 -d "$scratch/classes" -cp "$classpath" "$source"
java -XX:TieredStopAtLevel=1 -XX:+UseSerialGC -cp "$classpath:$scratch/classes" "$(basename "$source" .java)" \
	"$scratch/work"
