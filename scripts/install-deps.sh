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
# The build-tool integrations are built against, and tested with, Debian's
# Maven, Gradle and Ant, offline: the Maven plugins the fixture project uses
# come from Debian's system repository (junit5 for the junit-bom POM that
# Debian's plexus-compiler names). Versions are pinned.
for pinned in maven=3.8.7-1 gradle=4.4.1-18 ant=1.10.13-1 \
              libmaven-compiler-plugin-java=3.10.1-2 libmaven-resources-plugin-java=3.3.0-1 \
              libexec-maven-plugin-java=3.1.0-1 junit5=5.9.2-1; do
  dpkg-query -W -f '${Status}' "${pinned%%=*}" 2>/dev/null | grep -q 'ok installed' || packages+=("$pinned")
done

[ ${#packages[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "missing packages: ${packages[*]} (run as root, or install them with apt-get)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${packages[@]}"
