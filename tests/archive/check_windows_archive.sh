#!/usr/bin/env bash
# Packs this build's Windows release archive, unpacks it and runs the shipped
# example with the shipped programs under Wine: Perlan on both grammars,
# Vastor on the exprlang specification, as the example's README does.
# usage: check_windows_archive.sh <build-dir> <wine-launcher> <scratch-dir>
set -euo pipefail
build=$1 launch=$2 scratch=$3
. "$(dirname "$0")/lib.sh"

rm -rf "$scratch" && mkdir -p "$scratch"
(cd "$scratch" && cpack -G ZIP --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1) \
  || fail "cpack: $(cat "$scratch/cpack.log")"
archive=$(ls "$scratch"/typetools-*-windows-x86_64.zip) || fail "no typetools-<version>-windows-x86_64.zip"
root=$(unpack "$archive" "$scratch/unpacked")

for file in bin/Vastor.exe bin/Perlan.exe bin/typetools-lsp.exe doc/README.md doc/Vastor.html doc/Perlan.html \
            doc/typetools-lsp.html \
            doc/examples/exprlang/types.spec doc/examples/exprlang/exprlang.yt doc/examples/calc/calc.yt; do
  [ -f "$root/$file" ] || fail "$file is missing"
done
for tool in bin/Vastor.exe bin/Perlan.exe bin/typetools-lsp.exe; do
  # Nothing but system libraries: the C and C++ runtimes are linked in.
  imports=$(x86_64-w64-mingw32-objdump -p "$root/$tool" | sed -n 's/^\tDLL Name: //p' | tr '\n' ' ')
  for dll in $imports; do
    case ${dll,,} in kernel32.dll|msvcrt.dll|shell32.dll|user32.dll|advapi32.dll) ;;
      *) fail "$tool needs $dll, which Windows does not have" ;; esac
  done
done

work=$scratch/example
mkdir -p "$work/api/errorHandling"
cp "$root/doc/examples/calc/calc.yt" "$root/doc/examples/exprlang/exprlang.yt" \
   "$root/doc/examples/exprlang/types.spec" "$work"
cd "$work"
"$launch" "$root/bin/Perlan.exe" calc.yt || fail "Perlan calc.yt: status $?"
"$launch" "$root/bin/Perlan.exe" exprlang.yt || fail "Perlan exprlang.yt: status $?"
"$launch" "$root/bin/Vastor.exe" -API=api types.spec || fail "Vastor types.spec: status $?"
grep -q 'SemanticValue.addError' calc.y exprlang.y || fail "the grammars were not rewritten"
grep -q 'class  *Type implements TypeIF' Type.java || fail "Type.java holds no class Type"
[ -s api/errorHandling/TypeException.java ] || fail "no TypeException.java"
echo "ok: $(basename "$archive") ($(stat -c %s "$archive") bytes) runs its example under Wine"
