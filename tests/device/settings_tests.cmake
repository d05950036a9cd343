cv_add_test_executable(test_settings
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/profile_file_test.cpp ${CMAKE_CURRENT_LIST_DIR}/port_setting_test.cpp
  LIBS cvcore)
