#!/usr/bin/env bash
# Installs, with apt-get, whatever a fresh machine lacks to build the tools,
# run the example and run every test. Does nothing when all is there.
set -euo pipefail

packages=()
command -v cmake >/dev/null || packages+=(cmake)
command -v g++ >/dev/null || packages+=(g++)
[ -f /usr/include/gtest/gtest.h ] || packages+=(libgtest-dev)
[ -f /usr/include/benchmark/benchmark.h ] || packages+=(libbenchmark-dev)
# The Java checks and the example compile and run the generated code and feed
# Perlan's output to a real parser generator.
command -v javac >/dev/null || packages+=(default-jdk-headless)
command -v byaccj >/dev/null || packages+=(byacc-j)
[ -f /usr/share/java/antlr.jar ] || packages+=(libantlr-java)
# Manual pages are linted; the build-integration check also drives Ninja;
# fuzzers need clang with its runtime.
command -v mandoc >/dev/null || packages+=(mandoc)
command -v ninja >/dev/null || packages+=(ninja-build)
command -v clang++ >/dev/null || packages+=(clang)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || packages+=(libclang-rt-14-dev)
# The editor tests start Vim, Emacs and, for the TextMate grammars, Node.js
# with the npm packages pinned in editors/tests/package-lock.json.
command -v vim >/dev/null || packages+=(vim=2:9.0.1378-2+deb12u2)
command -v emacs >/dev/null || packages+=(emacs-nox=1:28.2+1-15+deb12u4)
command -v node >/dev/null || packages+=(nodejs=18.20.4+dfsg-1~deb12u3)
command -v npm >/dev/null || packages+=(npm=9.2.0~ds1-1)

if [ ${#packages[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages: ${packages[*]} (run as root, or install them with apt-get)" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${packages[@]}"
fi
bash "$(dirname "$0")/../editors/tests/install-npm-packages.sh"
