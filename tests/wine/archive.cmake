# The archive component on Windows: TZipMaster with the real unzip engine
# and two broken variants of it (an old version, a missing entry point).
# The engines sit in folders next to the test program, which also carries a
# stray unzdll.dll of its own that must never be picked up.
set(BVT_ARCHIVE_TEST_DIR ${CMAKE_CURRENT_BINARY_DIR}/archive_test)
bvt_engine_dll(TARGET unzdll_test_real SOURCE ${PROJECT_SOURCE_DIR}/engines/unzdll/UnzDll.cpp
               OUTPUT_DIR ${BVT_ARCHIVE_TEST_DIR}/engines/real OUTPUT_NAME unzdll)
bvt_engine_dll(TARGET unzdll_test_old SOURCE ${PROJECT_SOURCE_DIR}/engines/unzdll/UnzDll.cpp
               OUTPUT_DIR ${BVT_ARCHIVE_TEST_DIR}/engines/old OUTPUT_NAME unzdll DEFINITIONS UNZDLL_REPORTED_VERSION=160)
bvt_engine_dll(TARGET unzdll_test_noversion SOURCE ${PROJECT_SOURCE_DIR}/engines/unzdll/UnzDll.cpp
               OUTPUT_DIR ${BVT_ARCHIVE_TEST_DIR}/engines/noversion OUTPUT_NAME unzdll DEFINITIONS UNZDLL_OMIT_VERSION)
bvt_engine_dll(TARGET unzdll_test_stray SOURCE ${PROJECT_SOURCE_DIR}/engines/unzdll/UnzDll.cpp
               OUTPUT_DIR ${BVT_ARCHIVE_TEST_DIR} OUTPUT_NAME unzdll)

file(GLOB BVT_ARCHIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/archive/*.cpp)
add_executable(archive_tests ${BVT_ARCHIVE_TEST_SOURCES})
target_link_libraries(archive_tests PRIVATE bvt_archive ${BVT_GTEST})
set_target_properties(archive_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BVT_ARCHIVE_TEST_DIR})
add_dependencies(archive_tests unzdll_test_real unzdll_test_old unzdll_test_noversion unzdll_test_stray)
bvt_wine_test(NAME archive_tests COMMAND archive_tests)
# The archive writer library as the installer carries it.
target_compile_definitions(archive_tests PRIVATE BVT_ZIPDLL_PATH="Z:${BVT_EMBED_DIR}/zipdll.dll")
add_dependencies(archive_tests zipdll)

# Export names and imports of the two libraries the installer carries.
add_test(NAME archive_engine_dlls
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP}
          "-DCHECKS=$<TARGET_FILE:unzdll>=UnzDllExec,GetUnzDllVersion;$<TARGET_FILE:zipdll>=ZipDllExec,GetZipDllVersion"
          -P ${CMAKE_CURRENT_LIST_DIR}/archive/CheckEngineDlls.cmake)

# An archive made by Info-ZIP with folder parts (engines/zipcore/...), for
# the flat extraction of a real third-party archive.
add_custom_command(OUTPUT ${BVT_ARCHIVE_TEST_DIR}/infozip.zip
  COMMAND ${CMAKE_COMMAND} -E rm -f ${BVT_ARCHIVE_TEST_DIR}/infozip.zip
  COMMAND zip -q -X -r -9 ${BVT_ARCHIVE_TEST_DIR}/infozip.zip engines/zipcore/ZipNames.cpp engines/zipcore/ZipWriter.cpp engines/UnzDllApi.h
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  DEPENDS ${PROJECT_SOURCE_DIR}/engines/zipcore/ZipNames.cpp ${PROJECT_SOURCE_DIR}/engines/zipcore/ZipWriter.cpp
          ${PROJECT_SOURCE_DIR}/engines/UnzDllApi.h
  VERBATIM)
add_custom_target(archive_test_infozip DEPENDS ${BVT_ARCHIVE_TEST_DIR}/infozip.zip)
add_dependencies(archive_tests archive_test_infozip)
target_compile_definitions(archive_tests PRIVATE BVT_SOURCE_DIR_WIN="Z:${PROJECT_SOURCE_DIR}")
