# GoogleTest from its sources (KELP_GOOGLETEST_DIR; Debian's googletest package
# puts them in /usr/src/googletest) or from an installed package (MSYS2's
# mingw-w64-x86_64-gtest). Without either, KELP_GTEST stays empty and the tests
# that need it are left out with one line of explanation.
set(KELP_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(KELP_GTEST)
if(EXISTS ${KELP_GOOGLETEST_DIR}/CMakeLists.txt)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${KELP_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(KELP_GTEST gtest gtest_main)
else()
  find_package(GTest CONFIG QUIET)
  if(GTest_FOUND)
    set(KELP_GTEST GTest::gtest GTest::gtest_main)
  else()
    message(STATUS "GoogleTest not found (no sources in KELP_GOOGLETEST_DIR=${KELP_GOOGLETEST_DIR}, "
                   "no GTest package): the test suites are skipped")
  endif()
endif()
include(GoogleTest)
