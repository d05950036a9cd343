# Debian's hardening flags, as dpkg-buildflags gives them, for every target:
# stack protector, format checks, fortified libc calls, read-only relocations
# bound at start. Optimisation, debug info and path mapping stay with the
# build type, so a Debug build is still a Debug build.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(STATUS "dpkg-buildflags not found: building without Debian's hardening flags")
  return()
endif()

function(cv_debian_flags kind out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^(-g|-O.*|-ffile-prefix-map=.*)$")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

cv_debian_flags(CPPFLAGS cv_cppflags)
cv_debian_flags(CXXFLAGS cv_cxxflags)
cv_debian_flags(LDFLAGS cv_ldflags)
# _FORTIFY_SOURCE needs optimisation; without it glibc only warns.
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${cv_cppflags}>" ${cv_cxxflags})
add_link_options(${cv_ldflags})
