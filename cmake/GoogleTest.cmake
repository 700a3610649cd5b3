# GoogleTest: the system package natively; for Windows, built from the
# sources that Debian's googletest package installs (or MORVANE_GTEST_SOURCE).
include(GoogleTest)

if(CMAKE_CROSSCOMPILING OR WIN32)
  set(MORVANE_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
  if(NOT EXISTS ${MORVANE_GTEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources not found at ${MORVANE_GTEST_SOURCE}; "
                        "install googletest or set MORVANE_GTEST_SOURCE, or configure with -DBUILD_TESTING=OFF")
  endif()
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${MORVANE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
  endif()
else()
  find_package(GTest REQUIRED)
endif()
