# The platform core on Windows: the same unit tests as the native build,
# plus the Windows file primitives.
add_executable(core_tests ${PROJECT_SOURCE_DIR}/tests/unit/core/streams_test.cpp ${CMAKE_CURRENT_LIST_DIR}/core_files_test.cpp)
target_link_libraries(core_tests PRIVATE bvt_core ${BVT_GTEST})
bvt_wine_test(NAME core_tests COMMAND core_tests)
