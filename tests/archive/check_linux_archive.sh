#!/usr/bin/env bash
# Checks a Linux release archive: unpacks it, checks that both programs are
# statically linked programs of the archive's machine and runs the shipped
# example with the shipped programs.
# usage: check_linux_archive.sh <source-dir> <scratch-dir> [<build-dir> <launcher>]
# Without a build folder the check makes the archive from a statically linked
# build of the programs alone; with one (a cross build) it packs that build's
# archive and starts the programs through <launcher> (qemu).
set -euo pipefail
source_dir=$1 scratch=$2 build=${3-} launch=${4-}
. "$(dirname "$0")/lib.sh"

if [ -z "$build" ]; then
  build=$scratch/build packed=$scratch/build
  cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTYPETOOLS_STATIC=ON -DBUILD_TESTING=OFF \
    >"$scratch.log" 2>&1 || fail "configure: $(cat "$scratch.log")"
  cmake --build "$build" -j 2 --target package >>"$scratch.log" 2>&1 || fail "build: $(tail -30 "$scratch.log")"
else
  packed=$scratch/packed
  rm -rf "$packed" && mkdir -p "$packed"
  (cd "$packed" && cpack -G TGZ --config "$build/CPackConfig.cmake" >"$scratch.log" 2>&1) \
    || fail "cpack: $(cat "$scratch.log")"
fi
version=$(sed -n 's/^project(typetools VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
archive=$(echo "$packed/typetools-$version-linux-"*.tar.gz)
[ -f "$archive" ] || fail "no typetools-$version-linux-<machine>.tar.gz in $packed"
case $archive in
  *-x86_64.tar.gz) machine='Advanced Micro Devices X86-64' ;;
  *-aarch64.tar.gz) machine=AArch64 ;;
  *) fail "no machine known for $archive" ;;
esac
root=$(unpack "$archive" "$scratch/unpacked")

for tool in Vastor Perlan typetools-lsp; do
  [ -x "$root/bin/$tool" ] || fail "$tool is not in bin/"
  # Statically linked, for the archive's machine: no program interpreter, no
  # dynamic section, so it runs on any Linux of that machine.
  elf=$(LC_ALL=C readelf -h -l -d -W "$root/bin/$tool") || fail "$tool: readelf failed"
  [[ $elf =~ Machine:\ +"$machine" ]] || fail "$tool is not a program for $machine: $elf"
  [[ $elf != *INTERP* ]] || fail "$tool names a program interpreter: $elf"
  [[ $elf == *"There is no dynamic section in this file."* ]] || fail "$tool has a dynamic section: $elf"
done
for file in share/doc/typetools/README.md share/man/man1/Vastor.1.gz share/man/man1/Perlan.1.gz \
            share/man/man1/typetools-lsp.1.gz share/doc/typetools/examples/run.sh; do
  [ -f "$root/$file" ] || fail "$file is missing"
done

if [ -n "$launch" ]; then
  # This machine runs the programs through the launcher: each moves out of
  # bin/, where a script that starts it that way takes its place.
  mkdir -p "$scratch/programs"
  for tool in Vastor Perlan; do
    mv "$root/bin/$tool" "$scratch/programs/$tool"
    printf '#!/bin/sh\nexec %q %q "$@"\n' "$launch" "$scratch/programs/$tool" >"$root/bin/$tool"
    chmod +x "$root/bin/$tool"
  done
fi
# The shipped example, as a user runs it from the unpacked folder.
"$root/share/doc/typetools/examples/run.sh" "$scratch/example" >"$scratch/example.log" 2>&1 \
  || fail "the shipped example failed: $(tail -30 "$scratch/example.log")"
echo "ok: $(basename "$archive") ($(stat -c %s "$archive") bytes) holds static $machine programs that run its example"
