#!/usr/bin/env bash
# Installs the build into a scratch prefix, runs the installed programs from
# another folder, then uses them as build steps: from a consumer project
# through find_package(typetools) with every CMake generator at hand, and through
# the make rules of docs/integration.md. In each build the outputs are made,
# an edit of an input remakes them, and a broken input stops the build without
# leaving a stale output behind.
#   check_install.sh <build_dir> <consumer_src> <data_dir> <integration.md> <scratch> <with_vastor>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
build_dir=$1 consumer_src=$2 data_dir=$3 integration_doc=$4 scratch=$5 with_vastor=$6
fresh_dir "$scratch"
prefix=$scratch/prefix

cmake --install "$build_dir" --prefix "$prefix" >"$scratch/install.log" 2>&1 \
  || fail "cmake --install failed: $(cat "$scratch/install.log")"
installed=(bin/Perlan share/man/man1/Perlan.1.gz share/doc/typetools/examples
           share/doc/typetools/README.md share/doc/typetools/docs/integration.md
           share/doc/typetools/docs/guide.md
           share/cmake/typetools/typetoolsConfig.cmake share/cmake/typetools/typetoolsConfigVersion.cmake
           share/cmake/typetools/VastorRunTool.cmake)
[ "$with_vastor" = 1 ] && installed+=(bin/Vastor share/man/man1/Vastor.1.gz bin/typetools-lsp
                                      share/man/man1/typetools-lsp.1.gz)
for file in "${installed[@]}"; do
  [ -e "$prefix/$file" ] || fail "cmake --install did not install $file"
done

check_installed_programs "$prefix/bin" "$scratch/run" "$data_dir" "$with_vastor"

# The installed examples run on the installed programs and write nothing into
# the documentation tree.
if command -v byaccj >/dev/null && command -v javac >/dev/null && [ "$with_vastor" = 1 ]; then
  docs_before=$(find "$prefix/share/doc" | sort)
  bash "$prefix/share/doc/typetools/examples/run.sh" >"$scratch/examples.log" 2>&1 \
    || fail "the installed examples/run.sh failed: $(cat "$scratch/examples.log")"
  tail -n 1 "$scratch/examples.log" | grep -q '^== shown: ' \
    || fail "the installed examples/run.sh gave no summary: $(tail -n 5 "$scratch/examples.log")"
  [ "$(find "$prefix/share/doc" | sort)" = "$docs_before" ] \
    || fail "the installed examples/run.sh wrote into the documentation tree"
else
  echo "SKIPPED: the installed examples (no byaccj, javac or Vastor)"
fi

# Every relative link of the installed documents leads to an installed file.
while IFS= read -r -d '' document; do
  while IFS= read -r target; do
    target=${target%%#*}
    [ -z "$target" ] || [ -e "$(dirname "$document")/$target" ] \
      || fail "${document#"$prefix"/} links to $target, which is not installed"
  done < <(grep -oE '\]\([^)]+\)' "$document" | sed -E 's/^\]\((.*)\)$/\1/' | grep -vE '^[a-z]+:')
done < <(find "$prefix/share/doc/typetools" -name '*.md' -print0)
[ "$with_vastor" = 1 ] || echo "SKIPPED: Vastor as a build step (no Vastor target in this build)"

# Modification time of each file given, to tell whether a build reran a tool.
output_times() {
  local file
  for file in "$@"; do
    stat -c '%n %y' "$file" 2>/dev/null || echo "$file missing"
  done
}

# Drives a build whose inputs are <inputs>/calc.yt and <inputs>/types.spec
# through first build, no-op build, edit, touch, broken input and mend.
# The caller defines run_build (output to $log) and the output paths.
#   check_build_steps <label> <inputs> <calc_y> <type_java> <type_exception> <failure_note>
check_build_steps() {
  local label=$1 inputs=$2 calc_y=$3 type_java=$4 type_exception=$5 failure_note=$6
  local outputs=("$calc_y")
  [ "$with_vastor" = 1 ] && outputs+=("$type_java" "$type_exception")

  run_build || fail "$label: first build failed: $(cat "$log")"
  cmp "$calc_y" "$data_dir/calc.expected.y" || fail "$label: wrong calc.y"
  if [ "$with_vastor" = 1 ]; then
    grep -q "class real32" "$type_java" || fail "$label: wrong Type.java"
    [ -s "$type_exception" ] || fail "$label: no TypeException.java"
  fi

  local before
  before=$(output_times "${outputs[@]}")
  run_build || fail "$label: second build failed: $(cat "$log")"
  [ "$(output_times "${outputs[@]}")" = "$before" ] || fail "$label: an up-to-date build reran a tool"

  # Editing an input remakes its output.
  sleep 1
  printf '// edited\n' >>"$inputs/calc.yt"
  printf 'class flag {\n    boolean isFlag () { return true; }\n}\n' >>"$inputs/types.spec"
  run_build || fail "$label: build after an edit failed: $(cat "$log")"
  [ "$(tail -n 1 "$calc_y")" = "// edited" ] || fail "$label: calc.y not remade after an edit"
  if [ "$with_vastor" = 1 ]; then
    grep -q "isFlag" "$type_java" || fail "$label: Type.java not remade after an edit"
  fi

  # Touching an input is enough.
  local file
  sleep 1
  touch "$inputs/calc.yt" "$inputs/types.spec"
  run_build || fail "$label: build after touching the inputs failed: $(cat "$log")"
  for file in "${outputs[@]}"; do
    [ "$(output_times "$file")" != "$(grep -F "$file " <<<"$before")" ] \
      || fail "$label: $file not remade after touching its input"
  done

  # A broken grammar stops the build with Perlan's message and keeps failing
  # until it is mended: no stale calc.y is left to look up to date.
  cp "$inputs/calc.yt" "$scratch/calc.good"
  sleep 1
  printf '%%%%\nexpr : { never closed\n' >"$inputs/calc.yt"
  ! run_build || fail "$label: a broken grammar did not stop the build"
  grep -qF "$(message calc.yt 3 "Syntax error" "end-of-action '}' was expected")" "$log" \
    || fail "$label: Perlan's error is not in the build log: $(cat "$log")"
  if [ -n "$failure_note" ]; then
    grep -qF "Perlan $failure_note" "$log" || fail "$label: the failure is not reported: $(cat "$log")"
  fi
  [ ! -e "$calc_y" ] || fail "$label: a failed run left calc.y behind"
  ! run_build || fail "$label: the build after a failure passed without a fix"
  cp "$scratch/calc.good" "$inputs/calc.yt"
  run_build || fail "$label: build after mending the grammar failed: $(cat "$log")"
  [ "$(tail -n 1 "$calc_y")" = "// edited" ] || fail "$label: calc.y not remade after the mend"

  [ "$with_vastor" = 1 ] || return 0
  cp "$inputs/types.spec" "$scratch/types.good"
  sleep 1
  printf 'types = { int }\n' >"$inputs/types.spec"
  ! run_build || fail "$label: a broken specification did not stop the build"
  grep -qF "$(message types.spec 1 "Syntax error" "Se esperaba la directiva TYPES")" "$log" \
    || fail "$label: Vastor's error is not in the build log: $(cat "$log")"
  if [ -n "$failure_note" ]; then
    grep -qF "Vastor $failure_note" "$log" || fail "$label: the failure is not reported: $(cat "$log")"
  fi
  [ ! -e "$type_java" ] || fail "$label: a failed run left Type.java behind"
  ! run_build || fail "$label: the build after a failure passed without a fix"
  cp "$scratch/types.good" "$inputs/types.spec"
  run_build || fail "$label: build after mending the specification failed: $(cat "$log")"
  grep -q "isFlag" "$type_java" || fail "$label: Type.java not remade after the mend"
}

# A tool's error as the build shows it: through the installed diagnostics
# filter (with Java installed) in the CMake build steps, as the tool wrote it
# in the make rules. message <file> <line> <category> <text>
message() {
  if [ "$message_form" = translated ]; then
    printf '%s:%s: error: %s: %s' "$1" "$2" "$3" "$4"
  else
    printf '%s( line %s ):%s' "$3" "$2" "$4"
  fi
}

# The consumer project, with one CMake generator.
check_consumer() {
  local generator=$1
  local tag=${generator// /-}
  local inputs=$scratch/inputs-$tag build=$scratch/consumer-$tag
  log=$scratch/consumer-$tag.log
  fresh_dir "$inputs"
  cp "$data_dir/calc.yt" "$data_dir/types.spec" "$inputs/"
  cmake -S "$consumer_src" -B "$build" -G "$generator" -DCMAKE_PREFIX_PATH="$prefix" \
        -DCONSUMER_INPUT_DIR="$inputs" -DCONSUMER_WITH_VASTOR="$with_vastor" >"$log" 2>&1 \
    || fail "$generator: configuring the consumer failed: $(cat "$log")"
  grep -qF "PERLAN_EXECUTABLE=$prefix/bin/Perlan" "$log" \
    || fail "$generator: PERLAN_EXECUTABLE is not the installed one: $(cat "$log")"
  if [ "$with_vastor" = 1 ]; then
    grep -qF "VASTOR_EXECUTABLE=$prefix/bin/Vastor" "$log" \
      || fail "$generator: VASTOR_EXECUTABLE is not the installed one: $(cat "$log")"
  fi
  run_build() { cmake --build "$build" >"$log" 2>&1; }
  message_form=raw
  [ -f "$prefix/share/java/typetools-build.jar" ] && command -v java >/dev/null && message_form=translated
  check_build_steps "$generator" "$inputs" "$build/grammar/calc.y" "$build/generated/Type.java" \
    "$build/api/errorHandling/TypeException.java" "failed (exit status 254)"
  if [ "$with_vastor" = 1 ]; then
    grep -qF "extends antlr.RecognitionException{" "$build/api/errorHandling/TypeException.java" \
      || fail "$generator: BASE_ERROR did not reach TypeException.java"
  fi
  echo "consumer project built with $generator"
}

# The make rules of the documentation, taken from its make code block.
check_make_rules() {
  local work=$scratch/make
  log=$scratch/make.log
  fresh_dir "$work"
  cp "$data_dir/calc.yt" "$data_dir/types.spec" "$work/"
  sed -n '/^```make$/,/^```$/p' "$integration_doc" | sed '1d;$d' >"$work/Makefile"
  grep -q '^%.y: %.yt$' "$work/Makefile" || fail "no make rules found in $integration_doc"
  local goals=calc.y
  [ "$with_vastor" = 1 ] && goals=all
  run_build() { PATH="$prefix/bin:$PATH" make -C "$work" $goals >"$log" 2>&1; }
  message_form=raw
  check_build_steps "make" "$work" "$work/calc.y" "$work/Type.java" \
    "$work/api/es/corvena/dmq/typeChecking/errorHandling/TypeException.java" ""
  echo "documented make rules checked"
}

generators=("Unix Makefiles")
command -v ninja >/dev/null && generators+=(Ninja)
for generator in "${generators[@]}"; do
  check_consumer "$generator"
done
check_make_rules
echo "installation checked"
