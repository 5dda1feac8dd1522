# The installer's GUI layer on Windows: forms read from descriptions compiled
# in the test, control IDs and tab order, event binding, the keyboard
# interface, exceptions in window procedures, the cursor; and the folder
# creation of the install sequence.
add_executable(gui_layer_tests
  ${CMAKE_CURRENT_LIST_DIR}/guilayer/gui_layer_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/guilayer/force_directories_test.cpp
  ${PROJECT_SOURCE_DIR}/app/ForceDirectories.cpp)
target_include_directories(gui_layer_tests PRIVATE ${PROJECT_SOURCE_DIR}/app)
target_link_libraries(gui_layer_tests PRIVATE bvt_gui bvt_streaming bvt_core ${BVT_GTEST})
bvt_wine_test(NAME gui_layer_tests COMMAND gui_layer_tests)
