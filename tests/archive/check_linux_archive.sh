#!/usr/bin/env bash
# Builds the programs alone, statically linked, packs the Linux release
# archive, unpacks it and runs the shipped example with the shipped programs.
# usage: check_linux_archive.sh <source-dir> <scratch-dir>
set -euo pipefail
source_dir=$1 scratch=$2
. "$(dirname "$0")/lib.sh"
build=$scratch/build
version=$(sed -n 's/^project(typetools VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
archive=$build/typetools-$version-linux-x86_64.tar.gz

cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTYPETOOLS_STATIC=ON -DBUILD_TESTING=OFF \
  >"$scratch.log" 2>&1 || fail "configure: $(cat "$scratch.log")"
cmake --build "$build" -j 2 --target package >>"$scratch.log" 2>&1 || fail "build: $(tail -30 "$scratch.log")"
[ -f "$archive" ] || fail "no $archive"
root=$(unpack "$archive" "$scratch/unpacked")

for tool in Vastor Perlan; do
  [ -x "$root/bin/$tool" ] || fail "$tool is not in bin/"
  # Statically linked: runs on any x86-64 Linux, whatever its libraries.
  ldd_says=$(LC_ALL=C ldd "$root/bin/$tool" 2>&1 || true)
  case $ldd_says in *"not a dynamic executable"*) ;; *) fail "$tool is dynamically linked: $ldd_says" ;; esac
done
for file in share/doc/typetools/README.md share/man/man1/Vastor.1.gz share/man/man1/Perlan.1.gz \
            share/doc/typetools/examples/run.sh; do
  [ -f "$root/$file" ] || fail "$file is missing"
done

# The shipped example, as a user runs it from the unpacked folder.
"$root/share/doc/typetools/examples/run.sh" "$scratch/example" >"$scratch/example.log" 2>&1 \
  || fail "the shipped example failed: $(tail -30 "$scratch/example.log")"
echo "ok: $(basename "$archive") ($(stat -c %s "$archive") bytes) runs its example"
