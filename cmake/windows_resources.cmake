# Windows programs carry the program icon, their version details and their
# manifest as resources: cv_add_version_info(TARGET "Description").
enable_language(RC)
# What ships carries no symbol tables: they would double cvtimer.exe's size.
string(APPEND CMAKE_EXE_LINKER_FLAGS_RELEASE " -s")

function(cv_add_version_info target description)
  set(CVTIMER_ICON "${CMAKE_SOURCE_DIR}/res/cvtimer.ico")
  set(CVTIMER_DESCRIPTION "${description}")
  set(CVTIMER_PROGRAM "${target}")
  set(CVTIMER_MANIFEST "${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest")
  configure_file(${CMAKE_SOURCE_DIR}/res/program.manifest.in ${CVTIMER_MANIFEST} @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/res/version_info.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  # The icon and the manifest are read when the resource is compiled; CMake
  # does not see them.
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}.rc PROPERTIES
    OBJECT_DEPENDS "${CVTIMER_ICON};${CVTIMER_MANIFEST}")
  # The link map names every archive member that went into the program: the
  # third-party notices are made from it (scripts/third-party-notices).
  target_link_options(${target} PRIVATE "LINKER:-Map=${CMAKE_BINARY_DIR}/maps/${target}.map")
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/maps)
endfunction()
