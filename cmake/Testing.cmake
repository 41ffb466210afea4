# halvane_add_test(NAME name SOURCES ... LIBS ... [RC script.rc [RC_INCLUDES dirs...]])
# One test program per component; each is registered with ctest as a whole
# program so that a failure names its room. RC compiles the program's
# resource script into it, as the module named after the program.
# HALVANE_UPDATE_SNAPSHOTS passes through to the tests (tools/update-snapshots).
find_package(GTest REQUIRED)
include(${CMAKE_CURRENT_LIST_DIR}/Resources.cmake)

function(halvane_add_test)
  cmake_parse_arguments(T "" "NAME;RC" "SOURCES;LIBS;RC_INCLUDES" ${ARGN})
  # The robot compares each snapshot with the reference in the test
  # folder's snapshots/<suite>/<name>.png.
  set(snapshot_source ${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}_snapshots.cpp)
  file(CONFIGURE OUTPUT ${snapshot_source} CONTENT
    "namespace halvane::test {\nextern const char* const kSnapshotReferenceFolder;\nconst char* const kSnapshotReferenceFolder = \"${CMAKE_CURRENT_SOURCE_DIR}/snapshots\";\n}\n")
  add_executable(${T_NAME} ${T_SOURCES} ${snapshot_source})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main halvane_warnings)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_brief=1)
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "HALVANE_HEADLESS=1;HALVANE_TEST_OUTPUT=${CMAKE_BINARY_DIR}/test-output"
    TIMEOUT 600)
  if(T_RC)
    halvane_add_resources(TARGET ${T_NAME} RC ${T_RC} MODULE ${T_NAME} INCLUDES ${T_RC_INCLUDES})
  endif()
endfunction()
