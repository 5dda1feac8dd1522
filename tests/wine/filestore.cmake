# The embedded file store on Windows: temporary files in GetTempPathA's
# folder, exclusive creation, deletion with the component.
add_executable(filestore_tests ${CMAKE_CURRENT_LIST_DIR}/filestore_test.cpp)
target_link_libraries(filestore_tests PRIVATE bvt_filestore ${BVT_GTEST})
bvt_wine_test(NAME filestore_tests COMMAND filestore_tests)
