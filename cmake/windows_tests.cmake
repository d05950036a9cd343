# Testing the Windows build on Linux: the programs run under Wine, in a prefix
# of this build's own, and GoogleTest comes from Debian's sources, built with
# the same compiler (its CMake files name the targets GTest::gtest and
# GTest::gtest_main, as find_package does).
set(CVTIMER_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix the Windows tests run in")
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/scripts/wine-run;${CVTIMER_WINEPREFIX}")
# Tests are listed when ctest runs, not at build time: `make windows` needs no Wine.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# The Linux cvtimerctl plays the unit the Windows programs talk to.
set(CVTIMER_LINUX_CTL "" CACHE FILEPATH "cvtimerctl built for Linux, for the simulated unit")

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
