# Tests of the Windows programs run under Wine. Every test command that names
# a program of this build goes through `wine/launch` (the cross-compiling
# emulator), in a scratch Wine prefix in the build tree. One Wine server,
# kept running from the first test to the last (the fixture "wine"), serves
# them all: a program then starts in tens of milliseconds instead of seconds.
find_program(TYPETOOLS_WINE NAMES wine64 wine PATHS /usr/lib/wine
             DOC "Wine's loader for 64-bit programs")
find_program(TYPETOOLS_WINESERVER NAMES wineserver PATHS /usr/lib/wine DOC "Wine's server")
if(NOT TYPETOOLS_WINE OR NOT TYPETOOLS_WINESERVER)
  message(FATAL_ERROR "The Windows programs are tested under Wine: install wine64 (or configure "
                      "with -DBUILD_TESTING=OFF)")
endif()

set(TYPETOOLS_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine/prefix)
set(TYPETOOLS_WINE_PROGRAMS ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
foreach(script IN ITEMS launch session)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${script}.sh.in ${CMAKE_BINARY_DIR}/wine/${script} @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
endforeach()
set(TYPETOOLS_TEST_LAUNCHER ${CMAKE_BINARY_DIR}/wine/launch)
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TYPETOOLS_TEST_LAUNCHER})
endif()

add_test(NAME wine/start COMMAND ${CMAKE_BINARY_DIR}/wine/session start)
add_test(NAME wine/stop COMMAND ${CMAKE_BINARY_DIR}/wine/session stop)
set_tests_properties(wine/start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
set_tests_properties(wine/stop PROPERTIES FIXTURES_CLEANUP wine)
list(APPEND TYPETOOLS_TEST_FIXTURES wine)
