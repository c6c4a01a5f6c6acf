#!/usr/bin/env bash
# Installs the build into a scratch prefix, runs the installed programs from
# another folder, then builds a consumer project through find_package(Vastor)
# with every CMake generator at hand: the outputs are made, an edit of an
# input remakes them, and a broken input stops the build without leaving a
# stale output behind.
#   check_install.sh <build_dir> <consumer_src> <data_dir> <scratch> <with_vastor>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
build_dir=$1 consumer_src=$2 data_dir=$3 scratch=$4 with_vastor=$5
fresh_dir "$scratch"
prefix=$scratch/prefix

cmake --install "$build_dir" --prefix "$prefix" >"$scratch/install.log" 2>&1 \
  || fail "cmake --install failed: $(cat "$scratch/install.log")"
installed=(bin/Perlan share/man/man1/Perlan.1 share/doc/typetools/examples
           share/cmake/Vastor/VastorConfig.cmake share/cmake/Vastor/VastorConfigVersion.cmake
           share/cmake/Vastor/VastorRunTool.cmake)
[ "$with_vastor" = 1 ] && installed+=(bin/Vastor share/man/man1/Vastor.1)
for file in "${installed[@]}"; do
  [ -e "$prefix/$file" ] || fail "cmake --install did not install $file"
done

check_installed_programs "$prefix/bin" "$scratch/run" "$data_dir" "$with_vastor"

[ "$with_vastor" = 1 ] || echo "SKIPPED: vastor_target in the consumer project (no Vastor target in this build)"

# Modification times of the generated files, to tell whether a build reran a tool.
output_times() {
  stat -c '%n %y' "$@" 2>/dev/null || true
}

check_consumer() {
  local generator=$1
  local tag=${generator// /-}
  local inputs=$scratch/inputs-$tag build=$scratch/consumer-$tag log=$scratch/consumer-$tag.log
  local calc_y=$build/grammar/calc.y type_java=$build/generated/Type.java
  local type_exception=$build/api/errorHandling/TypeException.java
  local outputs=("$calc_y")
  [ "$with_vastor" = 1 ] && outputs+=("$type_java" "$type_exception")
  fresh_dir "$inputs"
  cp "$data_dir/calc.yt" "$data_dir/types.spec" "$inputs/"

  run_build() { cmake --build "$build" >"$log" 2>&1; }

  cmake -S "$consumer_src" -B "$build" -G "$generator" -DCMAKE_PREFIX_PATH="$prefix" \
        -DCONSUMER_INPUT_DIR="$inputs" -DCONSUMER_WITH_VASTOR="$with_vastor" >"$log" 2>&1 \
    || fail "$generator: configuring the consumer failed: $(cat "$log")"
  grep -qF "PERLAN_EXECUTABLE=$prefix/bin/Perlan" "$log" \
    || fail "$generator: PERLAN_EXECUTABLE is not the installed one: $(cat "$log")"
  if [ "$with_vastor" = 1 ]; then
    grep -qF "VASTOR_EXECUTABLE=$prefix/bin/Vastor" "$log" \
      || fail "$generator: VASTOR_EXECUTABLE is not the installed one: $(cat "$log")"
  fi

  run_build || fail "$generator: first build failed: $(cat "$log")"
  cmp "$calc_y" "$data_dir/calc.expected.y" || fail "$generator: wrong calc.y"
  if [ "$with_vastor" = 1 ]; then
    grep -q "class float" "$type_java" || fail "$generator: wrong Type.java"
    [ -s "$type_exception" ] || fail "$generator: no TypeException.java"
  fi

  local before
  before=$(output_times "${outputs[@]}")
  run_build || fail "$generator: second build failed: $(cat "$log")"
  [ "$(output_times "${outputs[@]}")" = "$before" ] || fail "$generator: an up-to-date build reran a tool"

  # Editing an input remakes its output.
  sleep 1
  printf '// edited\n' >>"$inputs/calc.yt"
  printf 'class boolean {\n    boolean isBoolean () { return true; }\n}\n' >>"$inputs/types.spec"
  run_build || fail "$generator: build after an edit failed: $(cat "$log")"
  [ "$(tail -n 1 "$calc_y")" = "// edited" ] || fail "$generator: calc.y not remade after an edit"
  if [ "$with_vastor" = 1 ]; then
    grep -q "isBoolean" "$type_java" || fail "$generator: Type.java not remade after an edit"
  fi

  # Touching an input is enough.
  before=$(output_times "${outputs[@]}")
  sleep 1
  touch "$inputs/calc.yt" "$inputs/types.spec"
  run_build || fail "$generator: build after touching the inputs failed: $(cat "$log")"
  local file
  for file in "${outputs[@]}"; do
    [ "$(output_times "$file")" != "$(grep -F "$file " <<<"$before")" ] \
      || fail "$generator: $file not remade after touching its input"
  done

  # A broken grammar stops the build, reports Perlan's error and keeps failing
  # until it is mended: no stale calc.y is left to look up to date.
  cp "$inputs/calc.yt" "$scratch/calc.good"
  sleep 1
  printf '%%%%\nexpr : { never closed\n' >"$inputs/calc.yt"
  ! run_build || fail "$generator: a broken grammar did not stop the build"
  grep -qF "Syntax error( line 3 ):end-of-action '}' was expected" "$log" \
    || fail "$generator: Perlan's error is not in the build log: $(cat "$log")"
  grep -qF "Perlan failed (exit status 254)" "$log" \
    || fail "$generator: the failure is not reported: $(cat "$log")"
  [ ! -e "$calc_y" ] || fail "$generator: a failed run left calc.y behind"
  ! run_build || fail "$generator: the build after a failure passed without a fix"
  cp "$scratch/calc.good" "$inputs/calc.yt"
  run_build || fail "$generator: build after mending the grammar failed: $(cat "$log")"
  [ "$(tail -n 1 "$calc_y")" = "// edited" ] || fail "$generator: calc.y not remade after the mend"

  [ "$with_vastor" = 1 ] || return 0
  cp "$inputs/types.spec" "$scratch/types.good"
  sleep 1
  printf 'types = { int }\n' >"$inputs/types.spec"
  ! run_build || fail "$generator: a broken specification did not stop the build"
  grep -qF "Syntax error( line 1 ):Se esperaba la directiva TYPES" "$log" \
    || fail "$generator: Vastor's error is not in the build log: $(cat "$log")"
  grep -qF "Vastor failed (exit status 254)" "$log" \
    || fail "$generator: the failure is not reported: $(cat "$log")"
  [ ! -e "$type_java" ] || fail "$generator: a failed run left Type.java behind"
  ! run_build || fail "$generator: the build after a failure passed without a fix"
  cp "$scratch/types.good" "$inputs/types.spec"
  run_build || fail "$generator: build after mending the specification failed: $(cat "$log")"
  grep -q "isBoolean" "$type_java" || fail "$generator: Type.java not remade after the mend"
}

generators=("Unix Makefiles")
command -v ninja >/dev/null && generators+=(Ninja)
for generator in "${generators[@]}"; do
  check_consumer "$generator"
  echo "consumer project built with $generator"
done
echo "installation checked"
