#!/usr/bin/env bash
# Runs every marked example of a document as printed (markers: see
# extract_examples.awk). An example goes through steps, each of which must
# succeed:
#   vastor [javac] [fails] [-X...]
#                        a specification: Vastor -API, then javac on Type.java
#                        with the stand-in API (always);
#   perlan [byaccj] [javac] [run] [fails] [-J...] [-X...], perlan-rules [...]
#                        a grammar, or rules that go between two %%: Perlan,
#                        then, as named, byacc/J (-J -Jsemantic=SemanticValue
#                        and the -J flags given), javac on its Parser.java
#                        with the document's java-source files and the
#                        Type.java of the last specification, and a run of
#                        the parser's main with the stdin block as input;
#                        a grammar without yylex or yyerror gets empty ones;
#   java                 statements that use the Type.java of the last vastor
#                        example: they are compiled and run as the body of a
#                        main method that may throw;
#   java-source          a whole Java source file (SemanticValue.java, ...):
#                        it must compile with the Type.java of the last
#                        specification, and later grammars are compiled with
#                        it (the last one shown of each class name).
# With "fails" the last step named (Vastor or Perlan when none is) must fail
# and the ones before it succeed. Flags starting with -J go to byacc/J, other
# flags starting with - to javac. Blocks that belong to the example before:
#   stderr               what the failing step prints on standard error
#                        (lines starting with "$ " are the command; \xHH is
#                        the byte HH): exactly for Vastor and Perlan, as lines
#                        to be found in the output for byacc/J, javac and
#                        run; for an example that passes, what Vastor or
#                        Perlan prints, exactly; none means nothing;
#   stdout               what the java example or the run prints, exactly;
#   stdin                the input of the run;
#   perlan-output        texts that Perlan's output must contain, each within
#                        one line.
# When a specification declares a package, TEParser is put into that package
# as the user's guide says, by a package line before its source.
#
#   check_examples.sh <tools_dir> <api_dir> <scratch> <document>
set -euo pipefail
tools_dir=$(cd "$1" && pwd) api_dir=$(cd "$2" && pwd) scratch=$3 document=$4
extractor=$(dirname "$0")/extract_examples.awk
api_package=es/corvena/dmq/typeChecking
jvm_quick=(-XX:TieredStopAtLevel=1 -XX:+UseSerialGC)
javac=(javac -J-XX:TieredStopAtLevel=1 -J-XX:+UseSerialGC -encoding ISO-8859-1)

for tool in javac byaccj perl; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
rm -rf "$scratch"
mkdir -p "$scratch/examples" "$scratch/sources"
roff=0
[[ $document == *.[1-9] ]] && roff=1
awk -v out="$scratch/examples" -v roff=$roff -f "$extractor" "$document"

# copy_type_java <from> <to>: the Type.java of a specification with the API it
# compiles against; a packaged Type.java gets its TEParser in its package.
copy_type_java() {
  cp -r "$1/api" "$1/Type.java" "$2/"
  local package
  package=$(sed -n 's/^package \([A-Za-z0-9_.]*\) *;.*/\1/p' "$2/Type.java" | head -n 1)
  if [ -n "$package" ]; then
    { printf 'package %s;\n' "$package"; cat "$2/api/TEParser.java"; } >"$2/TEParser.java"
    rm "$2/api/TEParser.java"
  fi
}

# java_files <dir>: the sources to compile in dir, relative to it.
java_files() { (cd "$1" && find . -name '*.java' | sort); }

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
  has() { [[ $flags == *" $1 "* ]]; }

  byaccj_flags=(-J -Jsemantic=SemanticValue) javac_flags=()
  for flag in $flags; do
    case $flag in
      -J*) byaccj_flags+=("$flag") ;;
      -*) javac_flags+=("$flag") ;;
    esac
  done
  # Without flags of its own javac stays quiet; -nowarn would hide lints.
  [ ${#javac_flags[@]} -gt 0 ] || javac_flags=(-nowarn)
  steps=(vastor javac)
  case $kind in
    perlan | perlan-rules)
      steps=(perlan)
      for step in byaccj javac run; do has $step && steps+=($step); done
      ;;
    java) steps=(java) ;;
    java-source) steps=(javac) ;;
  esac
  failing=
  if has fails; then
    failing=${steps[0]}
    for step in "${steps[@]:1}"; do has $step && failing=$step; done
    [ -f "$example.stderr" ] || { failed "is marked to fail but shows no message"; continue; }
  fi
  if [ -f "$example.stderr" ]; then
    grep -v '^\$ ' "$example.stderr" | perl -pe 's/\\x([0-9A-Fa-f]{2})/chr hex $1/ge' >"$work/expected-stderr" || true
  else
    : >"$work/expected-stderr"
  fi

  # outcome <step> <status> <output file> <exact|lines>: 0 when the step
  # did what the example says and the next step may run.
  outcome() {
    local step=$1 status=$2 output=$3 compare=$4
    if [ "$step" = "$failing" ]; then
      [ "$status" != 0 ] || { failed "should fail in $step but passed"; return 1; }
      if [ "$compare" = exact ]; then
        cmp -s "$work/expected-stderr" "$output" ||
          { failed "printed other messages than the document shows:
$(diff "$work/expected-stderr" "$output" || true)"; return 1; }
      else
        local missing
        missing=$(while IFS= read -r text; do
                    grep -qF -- "$text" "$output" || printf '%s\n' "$text"
                  done <"$work/expected-stderr")
        [ -z "$missing" ] || { failed "failed in $step without the messages the document shows:
$missing
$(head -n 20 "$output")"; return 1; }
      fi
      return 1
    fi
    [ "$status" = 0 ] || { failed "failed in $step with status $status:
$(head -n 20 "$output")"; return 1; }
    if [ "$compare" = exact ]; then
      local expected=$work/expected-stderr
      [ -n "$failing" ] && expected=/dev/null
      cmp -s "$expected" "$output" ||
        { failed "printed other messages than the document shows:
$(diff "$expected" "$output" || true)"; return 1; }
    fi
    return 0
  }

  status=0
  case $kind in
    vastor)
      cp -r "$api_dir" "$work/api"
      mkdir -p "$work/api/$api_package/errorHandling"
      cp "$example.txt" "$work/types.spec"
      (cd "$work" && "$tools_dir/Vastor" -API="api/$api_package" types.spec) 2>"$work/stderr" || status=$?
      outcome vastor $status "$work/stderr" exact || continue
      mkdir "$work/compiled"
      copy_type_java "$work" "$work/compiled"
      status=0
      (cd "$work/compiled" && "${javac[@]}" "${javac_flags[@]}" -d classes $(java_files .)) >"$work/javac.err" 2>&1 ||
        status=$?
      outcome javac $status "$work/javac.err" lines || continue
      last_vastor=$work
      ;;
    java-source)
      [ -n "$last_vastor" ] || { failed "comes before any specification"; continue; }
      name=$(sed -n 's/^public \(final \|abstract \)*\(class\|interface\|enum\|record\) \([A-Za-z0-9_]*\).*/\3/p' \
               "$example.txt" | head -n 1)
      [ -n "$name" ] || { failed "declares no public class"; continue; }
      cp "$example.txt" "$scratch/sources/$name.java"
      copy_type_java "$last_vastor" "$work"
      cp "$scratch"/sources/*.java "$work/"
      (cd "$work" && "${javac[@]}" "${javac_flags[@]}" -d classes $(java_files .)) >"$work/javac.err" 2>&1 || status=$?
      outcome javac $status "$work/javac.err" lines || continue
      ;;
    perlan | perlan-rules)
      if [ "$kind" = perlan ]; then
        cp "$example.txt" "$work/calc.yt"
      else
        { printf '%%%%\n'; cat "$example.txt"; printf '%%%%\n'; } >"$work/calc.yt"
      fi
      (cd "$work" && "$tools_dir/Perlan" calc.yt calc.y) 2>"$work/stderr" || status=$?
      outcome perlan $status "$work/stderr" exact || continue
      if [ -f "$example.output" ]; then
        missing=$(while IFS= read -r text; do
                    grep -qF -- "$text" "$work/calc.y" || printf '%s\n' "$text"
                  done <"$example.output")
        [ -z "$missing" ] || { failed "gives an output without the lines the document shows:
$missing"; continue; }
      fi
      has byaccj || continue
      mkdir "$work/parser"
      cp "$work/calc.y" "$work/parser/"
      # The parser class needs a lexer and an error report of its own.
      grep -q 'int *yylex *(' "$work/calc.y" || printf '\nint yylex() { return 0; }\n' >>"$work/parser/calc.y"
      grep -q 'void *yyerror *(' "$work/calc.y" || printf '\nvoid yyerror(String message) { }\n' >>"$work/parser/calc.y"
      status=0
      (cd "$work/parser" && byaccj "${byaccj_flags[@]}" calc.y) >"$work/byaccj.err" 2>&1 || status=$?
      outcome byaccj $status "$work/byaccj.err" lines || continue
      has javac || continue
      rm "$work/parser/calc.y"
      [ -n "$last_vastor" ] && copy_type_java "$last_vastor" "$work/parser"
      cp "$scratch"/sources/*.java "$work/parser/" 2>/dev/null || true
      status=0
      (cd "$work/parser" && "${javac[@]}" "${javac_flags[@]}" -d classes $(java_files .)) >"$work/javac.err" 2>&1 ||
        status=$?
      outcome javac $status "$work/javac.err" lines || continue
      has run || continue
      main=Parser
      for flag in "${byaccj_flags[@]}"; do
        [[ $flag == -Jpackage=* ]] && main=${flag#-Jpackage=}.Parser
      done
      input=/dev/null
      [ -f "$example.stdin" ] && input=$example.stdin
      status=0
      (cd "$work/parser" && java "${jvm_quick[@]}" -cp classes "$main") <"$input" >"$work/stdout" 2>"$work/run.err" ||
        status=$?
      outcome run $status "$work/run.err" lines || continue
      if [ -f "$example.stdout" ] && ! cmp -s "$example.stdout" "$work/stdout"; then
        failed "printed other output than the document shows:
$(diff "$example.stdout" "$work/stdout" || true)"
      fi
      ;;
    java)
      [ -n "$last_vastor" ] || { failed "comes before any specification"; continue; }
      copy_type_java "$last_vastor" "$work"
      { printf 'import es.corvena.dmq.typeChecking.*;\nimport es.corvena.dmq.typeChecking.errorHandling.TypeException;\n'
        printf 'public class Example {\n    public static void main(String[] args) throws Exception {\n'
        cat "$example.txt"
        printf '    }\n}\n'; } >"$work/Example.java"
      (cd "$work" && "${javac[@]}" -nowarn -d classes $(java_files .)) >"$work/javac.err" 2>&1 ||
        { failed "does not compile:
$(head -n 20 "$work/javac.err")"; continue; }
      (cd "$work" && java "${jvm_quick[@]}" -cp classes Example) >"$work/stdout" 2>"$work/stderr" || status=$?
      outcome java $status "$work/stderr" exact || continue
      if [ -f "$example.stdout" ] && ! cmp -s "$example.stdout" "$work/stdout"; then
        failed "printed other output than the document shows:
$(diff "$example.stdout" "$work/stdout" || true)"
      fi
      ;;
  esac
done

[ "$examples" -gt 0 ] || { echo "FAIL: $document has no marked examples" >&2; exit 1; }
[ "$failures" = 0 ] || { echo "$failures of $examples examples of $document failed" >&2; exit 1; }
echo "all $examples examples of $document run as printed"
