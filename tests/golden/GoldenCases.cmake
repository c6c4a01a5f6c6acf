# golden_case_folders(<variable> <tool-folder>): every folder in <tool-folder>
# is one golden case and must hold a cmd file; anything else there stops the
# configuration, so that no case is silently left out.
#
# As a script (cmake -DGOLDEN_TOOL_FOLDER=<folder> -P GoldenCases.cmake) it
# lists the cases of one folder, which lets a test check the refusal.
function(golden_case_folders variable tool_folder)
  # A new case folder re-runs the configuration (not possible in script mode).
  set(configure_depends CONFIGURE_DEPENDS)
  if(CMAKE_SCRIPT_MODE_FILE)
    set(configure_depends)
  endif()
  file(GLOB entries LIST_DIRECTORIES true ${configure_depends} ${tool_folder}/*)
  set(cases)
  foreach(entry IN LISTS entries)
    if(NOT IS_DIRECTORY ${entry})
      message(FATAL_ERROR "not a golden case folder: ${entry}")
    elseif(NOT EXISTS ${entry}/cmd)
      message(FATAL_ERROR "no cmd file in golden case ${entry}")
    endif()
    list(APPEND cases ${entry})
  endforeach()
  set(${variable} ${cases} PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  golden_case_folders(cases ${GOLDEN_TOOL_FOLDER})
  foreach(case IN LISTS cases)
    message(STATUS "${case}")
  endforeach()
endif()
