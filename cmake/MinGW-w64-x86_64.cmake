# Cross-building the Windows programs (64-bit, POSIX threads) on Linux with
# Debian's MinGW-w64:
#   cmake --preset windows
# or: cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TYPETOOLS_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TYPETOOLS_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TYPETOOLS_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TYPETOOLS_MINGW_PREFIX}-windres)

# Libraries and headers only from the MinGW-w64 tree, programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TYPETOOLS_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
