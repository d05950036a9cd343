# The user guides as they ship beside the programs: docs/user-guide.md, its
# translations (user-guide.es.md, ...) and the pictures each shows, the same
# files docs/user_guide.qrc builds into the program.
# cv_user_guide_files(OUT): their paths relative to docs/.
function(cv_user_guide_files out)
  set(qrc ${PROJECT_SOURCE_DIR}/docs/user_guide.qrc)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${qrc})
  file(STRINGS ${qrc} files REGEX "<file>")
  list(TRANSFORM files REPLACE ".*<file>([^<]+)</file>.*" "\\1")
  set(${out} ${files} PARENT_SCOPE)
endfunction()
