# The user guide as it ships beside the programs: docs/user-guide.md and the
# pictures it shows, the same ones docs/user_guide.qrc builds into the program.
# cv_user_guide_files(OUT): their paths relative to docs/.
function(cv_user_guide_files out)
  set(qrc ${PROJECT_SOURCE_DIR}/docs/user_guide.qrc)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${qrc})
  file(STRINGS ${qrc} pictures REGEX "<file>images/")
  list(TRANSFORM pictures REPLACE ".*<file>(images/[^<]+)</file>.*" "\\1")
  set(${out} user-guide.md ${pictures} PARENT_SCOPE)
endfunction()
