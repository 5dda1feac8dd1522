# System registration under Wine: the registry class, folder lookups,
# application registration and shortcuts against the real Wine registry and
# shell; plus an outside check of what one registration leaves behind
# (wine reg query, lnkinfo).
set(BVT_REGISTRATION_TESTS ${CMAKE_CURRENT_LIST_DIR}/registration)

add_executable(registration_tests
  ${BVT_REGISTRATION_TESTS}/access_test.cpp
  ${BVT_REGISTRATION_TESTS}/ComFakes.cpp
  ${BVT_REGISTRATION_TESTS}/folders_test.cpp
  ${BVT_REGISTRATION_TESTS}/registration_test.cpp
  ${BVT_REGISTRATION_TESTS}/registry_test.cpp
  ${BVT_REGISTRATION_TESTS}/RegistrySpy.cpp
  ${BVT_REGISTRATION_TESTS}/ShortcutReader.cpp)
target_link_libraries(registration_tests PRIVATE bvt_registration ${BVT_GTEST})
bvt_wine_test(NAME registration_tests COMMAND registration_tests)

add_executable(registration_probe ${BVT_REGISTRATION_TESTS}/registration_probe.cpp)
target_link_libraries(registration_probe PRIVATE bvt_registration)
# The shell-launch test starts a copy of the probe.
add_dependencies(registration_tests registration_probe)
if(BVT_RUN_WINDOWS_TESTS)
  add_test(NAME registration_outside_view
           COMMAND bash ${BVT_REGISTRATION_TESTS}/outside_view.sh $<TARGET_FILE:registration_probe>)
  set_tests_properties(registration_outside_view PROPERTIES TIMEOUT 300 LABELS wine)
endif()
