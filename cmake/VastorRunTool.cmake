# Runs Vastor or Perlan as a build step:
#
#   cmake -P VastorRunTool.cmake -- [directory <dir>] input <file>
#         outputs <file>... run <program> <argument>...
#
# (The keywords are in lower case so that add_custom_command does not take
# them for its own.)
#
# Both tools leave files behind when they fail (an empty Type.java, a grammar
# copied up to the error). Such a file is newer than the input, so the next
# build would take it as up to date: after a failure every output that exists
# is removed, except one that is the input itself (the tools refuse to write
# over their input, and removing it would lose the user's file). Then the
# script fails, which stops the build.
set(arguments)
set(after_separator FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(index RANGE 1 ${last})
  if(after_separator)
    list(APPEND arguments "${CMAKE_ARGV${index}}")
  elseif(CMAKE_ARGV${index} STREQUAL "--")
    set(after_separator TRUE)
  endif()
endforeach()
cmake_parse_arguments(arg "" "directory;input" "outputs;run" ${arguments})
if(NOT arg_input OR NOT arg_outputs OR NOT arg_run)
  message(FATAL_ERROR "VastorRunTool: input, outputs and run are required")
endif()
if(NOT arg_directory)
  set(arg_directory .)
endif()

# Installed with Java beside it, the tool's messages are shown as
# "<file>:<line>: error: <message>" (editors and IDEs link these) by the
# filter in share/java/typetools-build.jar; else as the tool wrote them.
get_filename_component(translator "${CMAKE_CURRENT_LIST_DIR}/../../java/typetools-build.jar" ABSOLUTE)
find_program(java_program java)
if(EXISTS "${translator}" AND java_program)
  list(GET arg_outputs 0 first_output)
  set(messages "${first_output}.messages")
  execute_process(COMMAND ${arg_run}
                  WORKING_DIRECTORY "${arg_directory}"
                  RESULT_VARIABLE status
                  ERROR_FILE "${messages}")
  file(SIZE "${messages}" messages_size)
  if(messages_size GREATER 0)
    execute_process(COMMAND "${java_program}" -jar "${translator}" "${arg_input}" INPUT_FILE "${messages}")
  endif()
  file(REMOVE "${messages}")
else()
  execute_process(COMMAND ${arg_run}
                  WORKING_DIRECTORY "${arg_directory}"
                  RESULT_VARIABLE status)
endif()
if(status EQUAL 0)
  foreach(output IN LISTS arg_outputs)
    if(NOT EXISTS "${output}")
      message(FATAL_ERROR "${arg_run} did not write ${output}")
    endif()
  endforeach()
  return()
endif()

file(REAL_PATH "${arg_input}" real_input)
foreach(output IN LISTS arg_outputs)
  if(EXISTS "${output}")
    file(REAL_PATH "${output}" real_output)
    if(NOT real_output STREQUAL real_input)
      file(REMOVE "${output}")
    endif()
  endif()
endforeach()
list(GET arg_run 0 program)
get_filename_component(program "${program}" NAME)
message(FATAL_ERROR "${program} failed (exit status ${status}) on ${arg_input}")
