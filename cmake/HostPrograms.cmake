# typetools_host_program(<name> <source> [<compiler option>...]): a test tool
# made from one C++ source that runs on the build machine. Sets
# <name>_COMMAND to the program, for add_test() and test arguments. A cross
# build compiles it with the build machine's own compiler, outside the
# toolchain, with our language standard and warnings.
function(typetools_host_program name source)
  if(NOT CMAKE_CROSSCOMPILING)
    add_executable(${name} ${source})
    target_compile_options(${name} PRIVATE ${ARGN})
    set(${name}_COMMAND ${name} PARENT_SCOPE)
    return()
  endif()
  find_program(TYPETOOLS_HOST_CXX NAMES c++ g++ clang++ REQUIRED DOC "The build machine's C++ compiler")
  set(options -std=c++${CMAKE_CXX_STANDARD} -O2 ${TYPETOOLS_WARNING_FLAGS})
  if(CMAKE_COMPILE_WARNING_AS_ERROR)
    list(APPEND options -Werror)
  endif()
  cmake_path(ABSOLUTE_PATH source)
  set(program ${CMAKE_CURRENT_BINARY_DIR}/${name})
  add_custom_command(OUTPUT ${program}
                     COMMAND ${TYPETOOLS_HOST_CXX} ${options} ${ARGN} -o ${program} ${source}
                     DEPENDS ${source}
                     COMMENT "Building ${name} for the build machine"
                     VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${program})
  set(${name}_COMMAND ${program} PARENT_SCOPE)
endfunction()
