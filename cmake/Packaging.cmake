# Debian package of both programs, their manual pages, the examples and the
# CMake package config: `cpack -G DEB` in the build folder. A statically
# linked build (TYPETOOLS_STATIC) packs the same into the release archive
# typetools-<version>-linux-<machine>.tar.gz (x86_64, or aarch64 from the
# preset linux-aarch64), the Windows build into
# typetools-<version>-windows-x86_64.zip (`cmake --build <build> --target package`).
set(TYPETOOLS_PACKAGE_CONTACT "typetools project <maintainers@typetools-project.org>"
    CACHE STRING "Maintainer named in the binary packages")

set(CPACK_PACKAGE_NAME ${TYPETOOLS_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "typetools project")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TYPETOOLS_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "type-system compiler and grammar preprocessor for compilers in Java")
# One paragraph, wrapped for the Debian control file.
set(CPACK_PACKAGE_DESCRIPTION
    "Vastor reads a type specification (predefined types in promotion chains,
type classes with their constructor arguments and methods) and writes the
Java type system Type.java, plus the API's TypeException.java. Perlan copies
a parser-generator grammar and turns each typechecking block inside a
semantic action into a Java try block that records the error and lets
parsing go on.")
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(typetools_archive_system windows)
elseif(TYPETOOLS_STATIC)
  set(CPACK_GENERATOR TGZ)
  set(typetools_archive_system linux)
else()
  set(CPACK_GENERATOR DEB)
endif()
if(typetools_archive_system)
  set(CPACK_PACKAGE_FILE_NAME
      ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${typetools_archive_system}-${CMAKE_SYSTEM_PROCESSOR})
endif()
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The programs need nothing but the C and C++ runtime libraries; let
# dpkg-shlibdeps name them with their versions where it is available.
find_program(TYPETOOLS_DPKG_SHLIBDEPS dpkg-shlibdeps)
mark_as_advanced(TYPETOOLS_DPKG_SHLIBDEPS)
if(TYPETOOLS_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
endif()

include(CPack)
