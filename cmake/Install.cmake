# Installation: the two programs in bin/, their manual pages, the examples and
# documentation, and the package config that lets other projects call
# find_package(typetools) and run the tools as build steps.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(TYPETOOLS_PACKAGE_NAME ${PROJECT_NAME})
# On Windows the tree is a folder to unpack anywhere: the programs in bin/,
# the documents (manual pages in HTML) in doc/, the package config in cmake/.
if(WIN32)
  set(TYPETOOLS_INSTALL_DOCDIR doc)
  set(TYPETOOLS_INSTALL_CMAKEDIR cmake)
else()
  set(TYPETOOLS_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${TYPETOOLS_PACKAGE_NAME})
  set(TYPETOOLS_INSTALL_CMAKEDIR ${CMAKE_INSTALL_DATAROOTDIR}/cmake/${TYPETOOLS_PACKAGE_NAME})
endif()

# Manual pages and the change log are installed compressed, as Debian wants
# them; man reads the pages as they are.
set(typetools_compressed)
# typetools_compress(<source> <destination>): installs <source>.gz, made at build time.
function(typetools_compress source destination)
  get_filename_component(name ${source} NAME)
  set(copy ${PROJECT_BINARY_DIR}/compressed/${name})
  add_custom_command(
    OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND gzip -9 -n -f ${copy}
    DEPENDS ${source}
    COMMENT "Compressing ${name}"
    VERBATIM)
  set(typetools_compressed ${typetools_compressed} ${copy}.gz PARENT_SCOPE)
  install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()

# typetools_render_html(<page>): installs the manual page <page> as HTML,
# rendered at build time by the build machine's mandoc.
function(typetools_render_html page)
  find_program(TYPETOOLS_MANDOC mandoc REQUIRED DOC "Renders the manual pages as HTML")
  get_filename_component(name ${page} NAME_WE)
  set(html ${PROJECT_BINARY_DIR}/html/${name}.html)
  add_custom_command(
    OUTPUT ${html}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/html
    COMMAND sh -c "\"$0\" -T html \"$1\" > \"$2\"" ${TYPETOOLS_MANDOC} ${page} ${html}
    DEPENDS ${page}
    COMMENT "Rendering ${name}.1 as HTML"
    VERBATIM)
  set(typetools_compressed ${typetools_compressed} ${html} PARENT_SCOPE)
  install(FILES ${html} DESTINATION ${TYPETOOLS_INSTALL_DOCDIR})
endfunction()

foreach(tool IN ITEMS Vastor Perlan typetools-lsp)
  if(TARGET ${tool})
    install(TARGETS ${tool} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    if(WIN32)
      typetools_render_html(${PROJECT_SOURCE_DIR}/man/${tool}.1)
    else()
      typetools_compress(${PROJECT_SOURCE_DIR}/man/${tool}.1 ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
  endif()
endforeach()
if(WIN32)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/changelog DESTINATION ${TYPETOOLS_INSTALL_DOCDIR})
else()
  typetools_compress(${CMAKE_CURRENT_LIST_DIR}/changelog ${TYPETOOLS_INSTALL_DOCDIR})
endif()
add_custom_target(compressed_docs ALL DEPENDS ${typetools_compressed})

# The examples are copied as they are when installing; build folders and
# compiled classes that a local run may have left there are not.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
        DESTINATION ${TYPETOOLS_INSTALL_DOCDIR}/examples
        USE_SOURCE_PERMISSIONS
        PATTERN "*.class" EXCLUDE
        REGEX "/build[^/]*$" EXCLUDE)
# The documents keep the source tree's layout, so that their links between
# each other and to the examples hold in the installed tree.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/cmake/copyright
        DESTINATION ${TYPETOOLS_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/
        DESTINATION ${TYPETOOLS_INSTALL_DOCDIR}/docs
        FILES_MATCHING PATTERN "*.md")
install(FILES ${PROJECT_SOURCE_DIR}/java/README.md
        DESTINATION ${TYPETOOLS_INSTALL_DOCDIR}/java)

# The config finds the programs relative to its own location, so an installed
# tree can be moved (and the Debian package lives under /usr).
configure_package_config_file(
  ${CMAKE_CURRENT_LIST_DIR}/typetoolsConfig.cmake.in
  ${PROJECT_BINARY_DIR}/typetoolsConfig.cmake
  INSTALL_DESTINATION ${TYPETOOLS_INSTALL_CMAKEDIR}
  PATH_VARS CMAKE_INSTALL_BINDIR)
# The package holds programs only: a 32-bit consumer can run them as well.
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/typetoolsConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion
  ARCH_INDEPENDENT)
install(FILES
  ${PROJECT_BINARY_DIR}/typetoolsConfig.cmake
  ${PROJECT_BINARY_DIR}/typetoolsConfigVersion.cmake
  ${CMAKE_CURRENT_LIST_DIR}/VastorRunTool.cmake
  DESTINATION ${TYPETOOLS_INSTALL_CMAKEDIR})

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
