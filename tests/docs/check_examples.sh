#!/usr/bin/env bash
# Runs every marked example of a document as printed (markers: see
# extract_examples.awk):
#   vastor [fails]       a specification: Vastor -API must succeed (then javac
#                        compiles Type.java with the stand-in API) or fail;
#   perlan [fails] [byaccj], perlan-rules [...]
#                        a grammar, or rules that go between two %%: Perlan
#                        must succeed (then, with byaccj, byacc/J must take
#                        its output) or fail;
#   java                 statements that use the Type.java of the last vastor
#                        example: they are compiled and run as the body of a
#                        main method that may throw;
#   stdout               what the java example before prints, exactly;
#   stderr               what the example before prints on standard error,
#                        exactly (lines starting with "$ " are the command);
#                        an example without one must print nothing;
#   perlan-output        texts that Perlan's output must contain, each within
#                        one line.
#
#   check_examples.sh <tools_dir> <api_dir> <scratch> <document>
set -euo pipefail
tools_dir=$(cd "$1" && pwd) api_dir=$(cd "$2" && pwd) scratch=$3 document=$4
extractor=$(dirname "$0")/extract_examples.awk
api_package=es/corvena/dmq/typeChecking
javac=(javac -J-XX:TieredStopAtLevel=1 -J-XX:+UseSerialGC -nowarn -encoding ISO-8859-1)

for tool in javac byaccj; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
rm -rf "$scratch"
mkdir -p "$scratch/examples"
roff=0
[[ $document == *.[1-9] ]] && roff=1
awk -v out="$scratch/examples" -v roff=$roff -f "$extractor" "$document"

failures=0 examples=0 last_vastor=
for kind_file in "$scratch"/examples/*.kind; do
  [ -e "$kind_file" ] || break
  examples=$((examples + 1))
  example=${kind_file%.kind}
  read -r kind flags <"$kind_file"
  line=${flags##* } flags=" ${flags% *} "
  [ "$flags" = " $line " ] && flags=" "
  work=$scratch/$(basename "$example")
  mkdir -p "$work"
  failed() {
    echo "FAIL: $document:$line: the $kind example $*" >&2
    sed 's/^/    | /' "$example.txt" >&2
    failures=$((failures + 1))
  }

  status=0
  case $kind in
    vastor)
      cp -r "$api_dir" "$work/api"
      mkdir -p "$work/api/$api_package/errorHandling"
      cp "$example.txt" "$work/types.spec"
      (cd "$work" && "$tools_dir/Vastor" -API="api/$api_package" types.spec) 2>"$work/stderr" || status=$?
      ;;
    perlan | perlan-rules)
      if [ "$kind" = perlan ]; then
        cp "$example.txt" "$work/g.yt"
      else
        { printf '%%%%\n'; cat "$example.txt"; printf '%%%%\n'; } >"$work/g.yt"
      fi
      (cd "$work" && "$tools_dir/Perlan" g.yt g.y) 2>"$work/stderr" || status=$?
      ;;
    java)
      [ -n "$last_vastor" ] || { failed "comes before any specification"; continue; }
      cp -r "$last_vastor/api" "$last_vastor/Type.java" "$work/"
      { printf 'import es.corvena.dmq.typeChecking.errorHandling.TypeException;\n'
        printf 'public class Example {\n    public static void main(String[] args) throws Exception {\n'
        cat "$example.txt"
        printf '    }\n}\n'; } >"$work/Example.java"
      (cd "$work" && "${javac[@]}" -d classes Type.java Example.java $(find api -name '*.java')) \
        >"$work/javac.err" 2>&1 || { failed "does not compile:
$(head -n 20 "$work/javac.err")"; continue; }
      (cd "$work" && java -XX:TieredStopAtLevel=1 -XX:+UseSerialGC -cp classes Example) \
        >"$work/stdout" 2>"$work/stderr" || status=$?
      if [ -f "$example.stdout" ] && ! cmp -s "$example.stdout" "$work/stdout"; then
        failed "printed other output than the document shows:
$(diff "$example.stdout" "$work/stdout" || true)"
        continue
      fi
      ;;
  esac

  if [ -f "$example.stderr" ]; then
    grep -v '^\$ ' "$example.stderr" >"$work/expected-stderr" || true
  else
    : >"$work/expected-stderr"
  fi
  if [[ $flags == *" fails "* ]]; then
    [ -f "$example.stderr" ] || { failed "is marked to fail but shows no message"; continue; }
    [ "$status" != 0 ] || { failed "should fail but passed"; continue; }
  else
    [ "$status" = 0 ] || { failed "failed with status $status: $(cat "$work/stderr")"; continue; }
  fi
  cmp -s "$work/expected-stderr" "$work/stderr" ||
    { failed "printed other messages than the document shows:
$(diff "$work/expected-stderr" "$work/stderr" || true)"; continue; }
  [[ $flags == *" fails "* ]] && continue

  case $kind in
    vastor)
      (cd "$work" && "${javac[@]}" -d classes Type.java $(find api -name '*.java')) >"$work/javac.err" 2>&1 ||
        { failed "gives a Type.java that javac rejects:
$(head -n 20 "$work/javac.err")"; continue; }
      last_vastor=$work
      ;;
    perlan | perlan-rules)
      if [ -f "$example.output" ]; then
        missing=$(while IFS= read -r text; do
                    grep -qF -- "$text" "$work/g.y" || printf '%s\n' "$text"
                  done <"$example.output")
        [ -z "$missing" ] || { failed "gives an output without the lines the document shows:
$missing"; continue; }
      fi
      if [[ $flags == *" byaccj "* ]]; then
        (cd "$work" && byaccj -J g.y) >"$work/byaccj.err" 2>&1 ||
          { failed "gives an output that byacc/J rejects: $(cat "$work/byaccj.err")"; continue; }
      fi
      ;;
  esac
done

[ "$examples" -gt 0 ] || { echo "FAIL: $document has no marked examples" >&2; exit 1; }
[ "$failures" = 0 ] || { echo "$failures of $examples examples of $document failed" >&2; exit 1; }
echo "all $examples examples of $document run as printed"
