# Test plumbing shared by the subsystems.
#
# Native build: GoogleTest from the system (libgtest-dev).
# Windows builds: GoogleTest built from Debian's sources (/usr/src/googletest)
# with the mingw compiler; tests run under Wine through the emulator set in
# the x86_64 toolchain file (only that build runs tests).
enable_testing()

if(WIN32)
  # Tests only run where an emulator (Wine 64) can start the programs; the
  # other Windows build (i686, the deliverable) builds the programs alone.
  if(CMAKE_CROSSCOMPILING_EMULATOR)
    set(BVT_RUN_WINDOWS_TESTS ON)
  else()
    set(BVT_RUN_WINDOWS_TESTS OFF)
  endif()
  if(BVT_RUN_WINDOWS_TESTS AND NOT TARGET gtest)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(t gtest gtest_main)
      target_compile_options(${t} PRIVATE -w)
    endforeach()
  endif()
  set(BVT_GTEST gtest gtest_main)
else()
  find_package(GTest REQUIRED)
  set(BVT_GTEST GTest::gtest GTest::gtest_main)
endif()

# bvt_wine_test(NAME name COMMAND target args...)
# Registers a test of the Windows build; it runs in its own fresh prefix.
function(bvt_wine_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "COMMAND" ${ARGN})
  if(NOT BVT_RUN_WINDOWS_TESTS)
    return()
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_COMMAND})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS wine)
endfunction()
