# Installation: the two programs in bin/, their manual pages, the examples and
# documentation, and the package config that lets other projects call
# find_package(Vastor) and run the tools as build steps.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(TYPETOOLS_PACKAGE_NAME typetools)
set(TYPETOOLS_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${TYPETOOLS_PACKAGE_NAME})
set(TYPETOOLS_INSTALL_CMAKEDIR ${CMAKE_INSTALL_DATAROOTDIR}/cmake/Vastor)

foreach(tool IN ITEMS Vastor Perlan)
  if(TARGET ${tool})
    install(TARGETS ${tool} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/man/${tool}.1
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()

# The examples are copied as they are when installing; build folders and
# compiled classes that a local run may have left there are not.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
        DESTINATION ${TYPETOOLS_INSTALL_DOCDIR}/examples
        USE_SOURCE_PERMISSIONS
        PATTERN "*.class" EXCLUDE
        REGEX "/build[^/]*$" EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/integration.md
        DESTINATION ${TYPETOOLS_INSTALL_DOCDIR} OPTIONAL)

# The config finds the programs relative to its own location, so an installed
# tree can be moved (and the Debian package lives under /usr).
configure_package_config_file(
  ${CMAKE_CURRENT_LIST_DIR}/VastorConfig.cmake.in
  ${PROJECT_BINARY_DIR}/VastorConfig.cmake
  INSTALL_DESTINATION ${TYPETOOLS_INSTALL_CMAKEDIR}
  PATH_VARS CMAKE_INSTALL_BINDIR)
# The package holds programs only: a 32-bit consumer can run them as well.
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/VastorConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion
  ARCH_INDEPENDENT)
install(FILES
  ${PROJECT_BINARY_DIR}/VastorConfig.cmake
  ${PROJECT_BINARY_DIR}/VastorConfigVersion.cmake
  ${CMAKE_CURRENT_LIST_DIR}/VastorRunTool.cmake
  DESTINATION ${TYPETOOLS_INSTALL_CMAKEDIR})

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
