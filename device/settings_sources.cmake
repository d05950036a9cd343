target_sources(cvcore PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/profile_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_file_io.cpp
  ${CMAKE_CURRENT_LIST_DIR}/port_setting.cpp
)
