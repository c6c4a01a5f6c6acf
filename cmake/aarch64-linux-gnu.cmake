# Cross-building the Linux programs for 64-bit ARM (AArch64) on Debian with
# its GNU cross compiler (package g++-aarch64-linux-gnu):
#   cmake --preset linux-aarch64
# or: cmake -S . -B build-linux-aarch64 -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake
# The programs run on the build machine under qemu's user-mode emulation
# (package qemu-user-static): the tests start them so.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(TYPETOOLS_CROSS_PREFIX aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${TYPETOOLS_CROSS_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${TYPETOOLS_CROSS_PREFIX}-g++)

# Libraries and headers only from the cross tree, programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TYPETOOLS_CROSS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(CMAKE_CROSSCOMPILING_EMULATOR NAMES qemu-aarch64-static qemu-aarch64
             DOC "Runs AArch64 programs on the build machine")
