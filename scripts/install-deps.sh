#!/usr/bin/env bash
# Installs, with apt-get, the packages needed to build the tools, run the
# examples, run every test and fuzz, each at the version Debian 12 has.
# Does nothing when all of them are there at that version; without root it
# only names what is missing.
#
# Each block below lists what one part of the project needs, one
# `want <package> <version>` per line; add a block for a new part.
set -euo pipefail

wanted=()
want() { wanted+=("$1=$2"); }

# The tools, their unit and golden tests.
want cmake 3.25.1-1
want g++ 4:12.2.0-3
want libgtest-dev 1.12.1-0.2

# The Java checks, the examples and the documentation's examples compile and
# run the generated code and feed Perlan's output to a real parser generator.
want default-jdk-headless 2:1.17-74
want byacc-j 1.15-1.1
want libantlr-java 2.7.7+dfsg-12

# The packaging checks: manual pages linted by two formatters, builds driven
# by Ninja as well, the Debian package built with its library dependencies
# and checked by lintian.
want mandoc 1.14.6-1+b1
want groff-base 1.22.4-10
want ninja-build 1.11.1-2~deb12u1
want dpkg-dev 1.21.23
want lintian 2.116.3+deb12u1

# The Windows programs: cross-built with MinGW-w64 (POSIX threads), with
# GoogleTest compiled from Debian's sources for them, tested and their
# archive checked under Wine (wine64: the 64-bit loader; wine: the commands).
want g++-mingw-w64-x86-64-posix 12.2.0-14+deb12u1+25.2+b1
want binutils-mingw-w64-x86-64 2.40-2+10.4
want googletest 1.12.1-0.2
want wine64 8.0~repack-4
want wine 8.0~repack-4

# Fuzzing: clang with its runtime libraries (libFuzzer, the sanitizers).
want clang 1:14.0-55.7~deb12u1
want libclang-rt-dev 1:14.0-55.7~deb12u1

missing=()
for pin in "${wanted[@]}"; do
  name=${pin%%=*} version=${pin#*=}
  installed=$(dpkg-query -W -f='${db:Status-Status} ${Version}' "$name" 2>/dev/null || true)
  [ "$installed" = "installed $version" ] || missing+=("$pin")
done

[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps.sh: missing (run as root, or install them with apt-get): ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --allow-downgrades "${missing[@]}"
