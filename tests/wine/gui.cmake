# GUI driver and GUI / end-to-end tests of the installer: tests/gui.
add_subdirectory(${PROJECT_SOURCE_DIR}/tests/gui ${CMAKE_BINARY_DIR}/tests/gui)
