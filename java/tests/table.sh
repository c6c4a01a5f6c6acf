#!/usr/bin/env bash
# Compiles and runs one table test of the Java side against the built jar.
# usage: table.sh <classpath> <scratch folder> <Table.java>
set -euo pipefail
classpath=$1 scratch=$2 source=$3
rm -rf "$scratch"
mkdir -p "$scratch"
javac -nowarn -J-XX:TieredStopAtLevel=1 -d "$scratch" -cp "$classpath" "$source"
java -XX:TieredStopAtLevel=1 -XX:+UseSerialGC -cp "$classpath:$scratch" "$(basename "$source" .java)"
