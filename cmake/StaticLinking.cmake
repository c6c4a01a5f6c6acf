# Release archives hold statically linked programs (-DTYPETOOLS_STATIC=ON):
# they run on any machine of their system with nothing else installed, with
# no loader work or relocations at start-up. Such a build links every program
# statically, the tests too, so that a cross build's tests run under Wine or
# qemu without the target system's runtime libraries.
option(TYPETOOLS_STATIC "Link every program statically" OFF)
if(TYPETOOLS_STATIC)
  add_link_options(-static)
endif()

# typetools_program_link_options(<program>): the link options of a program we
# ship. glibc warns when a statically linked program calls a function that
# still needs its shared libraries at run time (user and host look-ups, iconv,
# dlopen); such a warning stops the link of a shipped program. Tests keep it a
# warning: GoogleTest calls getaddrinfo.
function(typetools_program_link_options program)
  if(TYPETOOLS_STATIC AND NOT WIN32)
    target_link_options(${program} PRIVATE LINKER:--fatal-warnings)
  endif()
endfunction()
