#!/usr/bin/env bash
# The translator over every message family (TranslatorTable.java), and the
# filter for build scripts in typetools-build.jar, which must write UTF-8.
# usage: translator.sh <typetools-build.jar> <scratch folder>
set -euo pipefail
jar=$1 scratch=$2 here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$scratch"
mkdir -p "$scratch"
javac -nowarn -d "$scratch" -cp "$jar" "$here/translator/TranslatorTable.java"
java -cp "$jar:$scratch" TranslatorTable

printf 'Syntax error( line 7 ):Al leer el cuerpo del m\xe9todo\n' >"$scratch/messages"
java -jar "$jar" dir/types.spec <"$scratch/messages" 2>"$scratch/translated"
printf 'dir/types.spec:7: error: Syntax error: Al leer el cuerpo del m\xc3\xa9todo\n' >"$scratch/expected"
cmp "$scratch/expected" "$scratch/translated" || { echo "FAIL: the filter wrote: $(cat "$scratch/translated")"; exit 1; }
echo "PASS: the filter writes UTF-8"
