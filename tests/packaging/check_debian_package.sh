#!/usr/bin/env bash
# Builds the Debian package from the current build, checks its control fields
# and contents, has lintian check it, unpacks it with dpkg-deb -x and runs the
# programs it holds on a grammar, a specification and the shipped examples.
#   check_debian_package.sh <build_dir> <data_dir> <scratch> <with_vastor>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
build_dir=$1 data_dir=$2 scratch=$3 with_vastor=$4
for tool in cpack dpkg-deb lintian; do
  if ! command -v $tool >/dev/null; then
    echo "SKIPPED: $tool is not installed"
    exit 77
  fi
done
fresh_dir "$scratch"

cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
  || fail "cpack failed: $(cat "$scratch/cpack.log")"
packages=("$scratch"/out/*.deb)
[ ${#packages[@]} = 1 ] && [ -f "${packages[0]}" ] || fail "expected one .deb, found: ${packages[*]}"
deb=${packages[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = typetools ] || fail "package name is $(field Package)"
[ -n "$(field Version)" ] || fail "no version"
maintainer=$(field Maintainer)
[[ $maintainer =~ ^typetools\ .+\ \<[^@\ ]+@[^@\ ]+\>$ ]] || fail "maintainer is not the project's: $maintainer"
[[ $maintainer != *example.* ]] || fail "maintainer is a placeholder: $maintainer"
[ -n "$(field Description)" ] || fail "no description"
# Only the C and C++ runtimes (and the sanitizers' runtimes in a sanitized
# build) may be needed.
depends=$(field Depends)
IFS=',' read -ra dependencies <<<"$depends"
for dependency in "${dependencies[@]}"; do
  name=$(sed -E 's/^ *([^ (]+).*/\1/' <<<"$dependency")
  case "$name" in
    libc6|libstdc++6|libgcc-s1|libgcc1|libasan[0-9]*|libubsan[0-9]*) ;;
    *) fail "unexpected dependency $name in: $depends" ;;
  esac
done

contents=$(dpkg-deb -c "$deb")
expected=(./usr/bin/Perlan ./usr/share/man/man1/Perlan.1.gz ./usr/share/cmake/typetools/typetoolsConfig.cmake
          ./usr/share/doc/typetools/examples/ ./usr/share/doc/typetools/copyright
          ./usr/share/doc/typetools/changelog.gz ./usr/share/vim/vimfiles/ftdetect/typetools.vim
          './usr/share/emacs/site-lisp/elpa/typetools-[0-9.]+/typetools-pkg.el'
          ./usr/share/typetools/textmate/package.json)
[ "$with_vastor" = 1 ] && expected+=(./usr/bin/Vastor ./usr/share/man/man1/Vastor.1.gz ./usr/bin/typetools-lsp
                                     ./usr/share/man/man1/typetools-lsp.1.gz)
for path in "${expected[@]}"; do
  grep -qE " $path\$" <<<"$contents" || fail "the package lacks $path"
done

# lintian's errors fail the check; its warnings and notes are shown.
lintian --fail-on error "$deb" >"$scratch/lintian.log" 2>&1 || fail "lintian: $(cat "$scratch/lintian.log")"
grep -v 'running with root privileges' "$scratch/lintian.log" || true

root=$scratch/root
dpkg-deb -x "$deb" "$root"
check_installed_programs "$root/usr/bin" "$scratch/run" "$data_dir" "$with_vastor"

# The shipped examples go through the unpacked programs as well.
examples=$root/usr/share/doc/typetools/examples
grammars=0 specifications=0
while IFS= read -r -d '' grammar; do
  work=$scratch/example-grammar-$grammars
  fresh_dir "$work"
  cp "$grammar" "$work/"
  (cd "$work" && "$root/usr/bin/Perlan" "$(basename "$grammar")" out.y) \
    || fail "the unpacked Perlan failed on the example $grammar"
  grammars=$((grammars + 1))
done < <(find "$examples" -name '*.yt' -print0)
if [ "$with_vastor" = 1 ]; then
  while IFS= read -r -d '' specification; do
    work=$scratch/example-specification-$specifications
    fresh_dir "$work/api/errorHandling"
    cp "$specification" "$work/"
    (cd "$work" && "$root/usr/bin/Vastor" -API=api "$(basename "$specification")") \
      || fail "the unpacked Vastor failed on the example $specification"
    [ -s "$work/Type.java" ] || fail "the unpacked Vastor wrote no Type.java for $specification"
    specifications=$((specifications + 1))
  done < <(find "$examples" -name '*.spec' -print0)
fi
echo "package $(basename "$deb") checked; examples run: $grammars grammars, $specifications specifications"
