# The payload under Wine: Brivanta.exe (documents, errors, icons),
# uninstall.exe (what it removes and what it leaves), and the archive's
# format checked by independent readers (unzip, zipinfo, Python's zipfile,
# wine reg query).
set(BVT_PAYLOAD_TEST_DIR ${CMAKE_CURRENT_LIST_DIR}/payload)

add_library(payload_wine_driver STATIC ${BVT_PAYLOAD_TEST_DIR}/WineDriver.cpp)
target_include_directories(payload_wine_driver PUBLIC ${BVT_PAYLOAD_TEST_DIR})

add_executable(payload_app_tests ${BVT_PAYLOAD_TEST_DIR}/app_test.cpp)
target_link_libraries(payload_app_tests PRIVATE payload_wine_driver ${BVT_GTEST} shell32 gdi32 user32)
target_compile_definitions(payload_app_tests PRIVATE BVT_PAYLOAD_STAGE="${BVT_PAYLOAD_STAGE}")
add_dependencies(payload_app_tests payload_zip)
bvt_wine_test(NAME payload_app COMMAND payload_app_tests)

add_library(payload_fake_installation STATIC ${BVT_PAYLOAD_TEST_DIR}/FakeInstallation.cpp)
target_link_libraries(payload_fake_installation PUBLIC payload_wine_driver ole32 uuid shell32 advapi32)

add_executable(payload_uninstall_tests ${BVT_PAYLOAD_TEST_DIR}/uninstall_test.cpp)
target_link_libraries(payload_uninstall_tests PRIVATE payload_fake_installation ${BVT_GTEST})
target_compile_definitions(payload_uninstall_tests PRIVATE BVT_PAYLOAD_STAGE="${BVT_PAYLOAD_STAGE}")
add_dependencies(payload_uninstall_tests payload_zip)
bvt_wine_test(NAME payload_uninstall COMMAND payload_uninstall_tests)

# The same removal read back by independent readers (wine reg query, the
# Linux file system) from a script.
add_executable(payload_fake_install ${BVT_PAYLOAD_TEST_DIR}/fake_install_main.cpp)
target_link_libraries(payload_fake_install PRIVATE payload_fake_installation)
add_dependencies(payload_fake_install payload_zip)
if(BVT_RUN_WINDOWS_TESTS)
  add_test(NAME payload_uninstall_registry
           COMMAND bash ${BVT_PAYLOAD_TEST_DIR}/uninstall_registry_check.sh ${PROJECT_SOURCE_DIR}
                   $<TARGET_FILE:payload_fake_install> ${BVT_PAYLOAD_STAGE}/uninstall.exe)
  set_tests_properties(payload_uninstall_registry PROPERTIES TIMEOUT 300 LABELS wine)
endif()

# payload.zip through Info-ZIP's readers and a raw field check in Python.
# Needs no Wine, but only the Windows builds make the archive.
add_test(NAME payload_zip_format
         COMMAND bash ${BVT_PAYLOAD_TEST_DIR}/payload_zip_check.sh ${BVT_EMBED_DIR}/payload.zip ${BVT_PAYLOAD_STAGE})
set_tests_properties(payload_zip_format PROPERTIES TIMEOUT 120)
