# Window descriptions in a program's resources, read back under Wine: the
# description is compiled by the host tool at build time and linked in as
# an RCDATA resource, next to a checked-in description with a damaged byte.
if(NOT FSEMBED)
  message(STATUS "streaming_tests skipped: FSEMBED is not set")
  return()
endif()
enable_language(RC)

set(STREAMING_SRC ${CMAKE_CURRENT_LIST_DIR}/streaming)
set(STREAMING_OUT ${CMAKE_CURRENT_BINARY_DIR}/streaming)
add_custom_command(OUTPUT ${STREAMING_OUT}/probe_form.bin
  COMMAND ${CMAKE_COMMAND} -E make_directory ${STREAMING_OUT}
  COMMAND ${FSEMBED} compile ${STREAMING_SRC}/probe_form.txt ${STREAMING_OUT}/probe_form.bin
  DEPENDS ${STREAMING_SRC}/probe_form.txt ${STREAMING_SRC}/payload.txt ${FSEMBED}
  COMMENT "Compiling the streaming test's window description")
configure_file(${STREAMING_SRC}/streaming_test.rc.in ${STREAMING_OUT}/streaming_test.rc @ONLY)
set_source_files_properties(${STREAMING_OUT}/streaming_test.rc PROPERTIES
  OBJECT_DEPENDS "${STREAMING_OUT}/probe_form.bin;${STREAMING_SRC}/damaged_form.bin;${STREAMING_SRC}/payload.txt")
# The generated description is listed as a source so that its command runs.
add_executable(streaming_tests ${STREAMING_SRC}/resource_reader_test.cpp ${STREAMING_OUT}/streaming_test.rc
  ${STREAMING_OUT}/probe_form.bin)
target_link_libraries(streaming_tests PRIVATE bvt_streaming bvt_filestore ${BVT_GTEST})
bvt_wine_test(NAME streaming_tests COMMAND streaming_tests)
