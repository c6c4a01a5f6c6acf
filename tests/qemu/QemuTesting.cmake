# Tests of the programs of Linux on another machine run under qemu's
# user-mode emulation: CTest starts the unit tests with the cross-compiling
# emulator (qemu, named by the toolchain file), the golden cases and the
# archive's check start the programs through QemuLauncher.
list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 TYPETOOLS_QEMU)
if(NOT TYPETOOLS_QEMU)
  message(FATAL_ERROR "The ${CMAKE_SYSTEM_PROCESSOR} programs are tested under qemu: install "
                      "qemu-user-static (or configure with -DBUILD_TESTING=OFF)")
endif()
typetools_host_program(QemuLauncher ${CMAKE_CURRENT_LIST_DIR}/QemuLauncher.cpp
                       "-DTYPETOOLS_QEMU=\"${TYPETOOLS_QEMU}\"")
set(TYPETOOLS_TEST_LAUNCHER ${QemuLauncher_COMMAND})
