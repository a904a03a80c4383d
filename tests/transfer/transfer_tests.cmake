# Forming, routes, target rules and the creator codes of the shipped scripts: core only.
vm_add_test(transfer_core_tests SOURCES forming_test.cpp target_rules_test.cpp)
# The script calls, capture, link lock and choice of the application object.
vm_add_test(transfer_app_tests GUI TIMEOUT 120 SOURCES app_transfer_test.cpp)

# End-to-end under Xvfb + openbox with the shipped scripts; it starts its own
# X display before the application object exists (support/GuiTestMain.cpp).
add_executable(transfer_e2e_tests transfer_e2e_test.cpp ../support/GuiTestMain.cpp)
target_link_libraries(transfer_e2e_tests PRIVATE vm_guitestsupport GTest::gtest Qt6::Test)
target_compile_definitions(transfer_e2e_tests PRIVATE VM_TEST_ON_XVFB)
add_dependencies(transfer_e2e_tests vm-target-window vm_resources)
add_test(NAME transfer_e2e_tests COMMAND transfer_e2e_tests)
set_tests_properties(transfer_e2e_tests PROPERTIES
  ENVIRONMENT "VM_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data;VM_BIN_DIR=${CMAKE_BINARY_DIR}/bin;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp"
  TIMEOUT 240)
