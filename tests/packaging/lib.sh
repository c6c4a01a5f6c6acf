# Shared by the packaging checks; sourced, not run.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Removes and recreates a scratch folder (always one below the build tree).
fresh_dir() {
  rm -rf "$1"
  mkdir -p "$1"
}

# Runs the installed programs of <bin_dir> from <work_dir>, a folder far from
# the build, on the test grammar and specification of <data_dir>, with only
# <bin_dir> and the system folders on PATH.
check_installed_programs() {
  local bin_dir=$1 work_dir=$2 data_dir=$3 with_vastor=$4
  fresh_dir "$work_dir"
  cp "$data_dir/calc.yt" "$data_dir/types.spec" "$work_dir/"
  (
    cd "$work_dir"
    export PATH="$bin_dir:/usr/bin:/bin"
    [ "$(command -v Perlan)" = "$bin_dir/Perlan" ] || fail "Perlan is not in $bin_dir"
    Perlan calc.yt 2>perlan.err || fail "installed Perlan failed: $(cat perlan.err)"
    cmp calc.y "$data_dir/calc.expected.y" || fail "installed Perlan wrote a different calc.y"
    [ ! -s perlan.err ] || fail "installed Perlan printed: $(cat perlan.err)"

    if [ "$with_vastor" != 1 ]; then
      echo "SKIPPED: the installed Vastor (no Vastor target in this build)"
      exit 0
    fi
    [ "$(command -v Vastor)" = "$bin_dir/Vastor" ] || fail "Vastor is not in $bin_dir"
    mkdir -p api/errorHandling
    Vastor -API=api types.spec 2>vastor.err || fail "installed Vastor failed: $(cat vastor.err)"
    grep -q "class real32" Type.java || fail "Type.java lacks class real32"
    grep -q "isNumeric" Type.java || fail "Type.java lacks the method isNumeric"
    grep -q "class TypeException" api/errorHandling/TypeException.java \
      || fail "TypeException.java was not written"
    status=0
    Vastor 2>usage.err || status=$?
    [ "$status" = 255 ] || fail "Vastor without arguments returned $status, not 255"
    grep -q "Vastor \[options\] <input_file>" usage.err || fail "Vastor printed no usage text"
  ) || exit 1
}
