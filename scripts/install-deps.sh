#!/usr/bin/env bash
# Installs, with apt-get, the packages needed to build the tools, run the
# examples, run every test and fuzz, each at the version Debian 12 has.
# Does nothing when all of them are there at that version. Without root it
# installs nothing: it accepts packages at other versions (with a note) and
# fails, naming them, only when packages are absent.
#
# Each block below lists what one part of the project needs, one
# `want <package> <version>` per line; add a block for a new part.
set -euo pipefail

wanted=()
want() { wanted+=("$1=$2"); }

# The tools, their unit and golden tests, and the check of their format.
want cmake 3.25.1-1
want g++ 4:12.2.0-3
want libgtest-dev 1.12.1-0.2
want clang-format 1:14.0-55.7~deb12u1
# The language server reads and writes its JSON with nlohmann-json (header only).
want nlohmann-json3-dev 3.11.2-2

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

# The build-tool integrations (java/) are built against, and tested with,
# Debian's Maven, Gradle and Ant, offline: the Maven plugins the fixture
# project uses come from Debian's system repository (junit5 for the junit-bom
# POM that Debian's plexus-compiler names).
want maven 3.8.7-1
want gradle 4.4.1-18
want ant 1.10.13-1
want libmaven-compiler-plugin-java 3.10.1-2
want libmaven-resources-plugin-java 3.3.0-1
want libexec-maven-plugin-java 3.1.0-1
want junit5 5.9.2-1

# The Windows programs: cross-built with MinGW-w64 (POSIX threads), with
# GoogleTest compiled from Debian's sources for them, tested and their
# archive checked under Wine (wine64: the 64-bit loader; wine: the commands).
want g++-mingw-w64-x86-64-posix 12.2.0-14+deb12u1+25.2+b1
want binutils-mingw-w64-x86-64 2.40-2+10.4
want googletest 1.12.1-0.2
want wine64 8.0~repack-4
want wine 8.0~repack-4

# The Linux programs for 64-bit ARM: cross-built with GCC, with GoogleTest
# compiled from Debian's sources (above) for them, tested and their archive
# checked under qemu's user-mode emulation. qemu's version moves with Debian's
# security updates: when the pinned one is no longer offered, the archive's
# current one is installed (below).
want g++-aarch64-linux-gnu 4:12.2.0-3
want qemu-user-static 1:7.2+dfsg-7+deb12u18+b3

# Fuzzing: clang with its runtime libraries (libFuzzer, the sanitizers).
want clang 1:14.0-55.7~deb12u1
want libclang-rt-dev 1:14.0-55.7~deb12u1

# The editor tests: Vim, Emacs and, for the TextMate grammars, Node.js with
# npm (the machine's own when it has them, else Debian's, below) and the npm
# packages pinned in editors/tests/package-lock.json (installed at the end).
want vim 2:9.0.1378-2+deb12u2
want emacs-nox 1:28.2+1-15+deb12u4
# The language server's headless clients: Neovim's built-in client and eglot.
want neovim 0.7.2-7
want elpa-eglot 1.9-2

# Packages that are absent, and packages installed at another version.
missing=() other=()
for pin in "${wanted[@]}"; do
  name=${pin%%=*} version=${pin#*=}
  installed=$(dpkg-query -W -f='${db:Status-Status} ${Version}' "$name" 2>/dev/null || true)
  case $installed in
    "installed $version") ;;
    installed\ *) other+=("$pin") ;;
    *) missing+=("$pin") ;;
  esac
done

command -v node >/dev/null || missing+=(nodejs=18.20.4+dfsg-1~deb12u3)
command -v npm >/dev/null || missing+=(npm=9.2.0~ds1-1)

if [ ${#missing[@]} -gt 0 ] || [ ${#other[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    # Without root, packages at other versions are used as they are.
    [ ${#other[@]} -eq 0 ] || echo "install-deps.sh: not at the pinned version: ${other[*]}" >&2
    if [ ${#missing[@]} -gt 0 ]; then
      echo "install-deps.sh: missing (run as root, or install them with apt-get): ${missing[*]}" >&2
      exit 1
    fi
  else
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    pins=("${missing[@]}" "${other[@]}")
    if ! apt-get install -y -qq --allow-downgrades "${pins[@]}"; then
      # A Debian point release may withdraw a pinned version: a build that
      # works at the archive's current one beats no build at all.
      echo "install-deps.sh: a pinned version is no longer offered; installing the current ones" >&2
      apt-get install -y -qq "${pins[@]%%=*}"
    fi
  fi
fi
bash "$(dirname "$0")/../editors/tests/install-npm-packages.sh"
