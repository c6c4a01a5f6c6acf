# Runs Vastor or Perlan as a build step:
#
#   cmake -P VastorRunTool.cmake -- [directory <dir>] input <file>
#         outputs <file>... [linemap <map>] run <program> <argument>...
#
# With linemap, a successful run also writes <map>: a line map in which each
# line of the first output is the same line of the input (Perlan's output is
# its grammar, line for line), so that compiler messages about the output
# can be moved to the input.
#
# Or runs a compile step whose messages go through the line mapper of the
# installed typetools-build.jar (typetools-map), which moves locations in
# generated files to the lines of the specifications and grammars:
#
#   cmake -P VastorRunTool.cmake -- [directory <dir>] compile
#         [map <generated>=<source>]... run <program> <argument>...
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
cmake_parse_arguments(arg "compile" "directory;input;linemap" "outputs;run;map" ${arguments})
if(NOT arg_directory)
  set(arg_directory .)
endif()
get_filename_component(translator "${CMAKE_CURRENT_LIST_DIR}/../../java/typetools-build.jar" ABSOLUTE)
find_program(java_program java)

if(arg_compile)
  if(NOT arg_run)
    message(FATAL_ERROR "VastorRunTool: compile needs run")
  endif()
  if(NOT EXISTS "${translator}" OR NOT java_program)
    execute_process(COMMAND ${arg_run} WORKING_DIRECTORY "${arg_directory}" RESULT_VARIABLE status)
  else()
    set(maps)
    foreach(map IN LISTS arg_map)
      list(APPEND maps --map "${map}")
    endforeach()
    # The compiler's messages (both streams, in their order) go through the
    # mapper, whose output is shown where the compiler would have shown them.
    string(RANDOM LENGTH 12 tag)
    set(messages "${CMAKE_CURRENT_BINARY_DIR}/.typetools-messages-${tag}")
    execute_process(COMMAND ${arg_run}
                    WORKING_DIRECTORY "${arg_directory}"
                    RESULT_VARIABLE status
                    OUTPUT_FILE "${messages}"
                    ERROR_FILE "${messages}")
    file(SIZE "${messages}" messages_size)
    if(messages_size GREATER 0)
      execute_process(COMMAND "${java_program}" -cp "${translator}" org.typetools.build.TypetoolsMap ${maps}
                      WORKING_DIRECTORY "${arg_directory}"
                      INPUT_FILE "${messages}"
                      OUTPUT_VARIABLE mapped)
      message(NOTICE "${mapped}")
    endif()
    file(REMOVE "${messages}")
  endif()
  if(NOT status EQUAL 0)
    list(GET arg_run 0 program)
    get_filename_component(program "${program}" NAME)
    message(FATAL_ERROR "${program} failed (exit status ${status})")
  endif()
  return()
endif()

if(NOT arg_input OR NOT arg_outputs OR NOT arg_run)
  message(FATAL_ERROR "VastorRunTool: input, outputs and run are required")
endif()

# Installed with Java beside it, the tool's messages are shown as
# "<file>:<line>: error: <message>" (editors and IDEs link these) by the
# filter in share/java/typetools-build.jar; else as the tool wrote them.
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
    if(NOT EXISTS "${output}" AND NOT output STREQUAL arg_linemap)
      message(FATAL_ERROR "${arg_run} did not write ${output}")
    endif()
  endforeach()
  if(arg_linemap)
    list(GET arg_outputs 0 first_output)
    file(READ "${first_output}" content)
    string(REGEX MATCHALL "\n" feeds "${content}")
    list(LENGTH feeds count)
    if(NOT content STREQUAL "" AND NOT content MATCHES "\n$")
      math(EXPR count "${count} + 1")
    endif()
    get_filename_component(output_name "${first_output}" NAME)
    get_filename_component(input_name "${arg_input}" NAME)
    set(entries "")
    if(count GREATER 0)
      set(entries "1#1,${count}:1\n")
    endif()
    file(WRITE "${arg_linemap}" "SMAP\n${output_name}\nPerlan\n*S Perlan\n*F\n+ 1 ${input_name}\n${arg_input}\n*L\n${entries}*E\n")
  endif()
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
