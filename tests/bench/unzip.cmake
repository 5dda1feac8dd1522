# `cmake --build . --target bench_unzip`: extraction speed and memory of
# fsembed unzip against unzip, bsdtar and 7-Zip (figures only).
add_custom_target(bench_unzip
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/unzip_bench.sh $<TARGET_FILE:fsembed> ${CMAKE_BINARY_DIR}/bench-unzip
  DEPENDS fsembed
  USES_TERMINAL)
