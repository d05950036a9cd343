# Run by CPack on the staged files, before the package is made: strips the
# programs and the print module the way Debian's own packages are stripped,
# which also drops the compiler's .comment and .note sections that plain strip
# leaves.
find_program(STRIP strip REQUIRED)
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
file(GLOB modules "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/lib/*/cvtimer/*.so")
foreach(program IN LISTS programs modules)
  execute_process(
    COMMAND ${STRIP} --remove-section=.comment --remove-section=.note --strip-unneeded ${program}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "strip ${program} failed")
  endif()
endforeach()
if(NOT programs)
  message(FATAL_ERROR "no programs staged under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin")
endif()
