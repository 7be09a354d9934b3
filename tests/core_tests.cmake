add_executable(skerry_core_tests
    register/store/filter_test.cpp
    register/store/table_test.cpp
    register/store/database_test.cpp
    register/store/full_disk_test.cpp
    register/delivered_data_test.cpp
    register/group_facts_test.cpp
    register/view_rules_test.cpp
    register/owner_table_test.cpp
    base/text_file_test.cpp
    base/text_file_pieces_test.cpp
    base/text_lines_test.cpp
)
target_link_libraries(skerry_core_tests PRIVATE skerry_testsupport GTest::gtest_main)
gtest_discover_tests(skerry_core_tests)

add_executable(skerry_cli_tests cli/cli_test.cpp cli/init_cli_test.cpp cli/help_cli_test.cpp)
target_link_libraries(skerry_cli_tests PRIVATE skerry_testsupport GTest::gtest_main)
target_compile_definitions(skerry_cli_tests PRIVATE SKERRY_CLI="$<TARGET_FILE:skerrydesk-cli>"
    SKERRY_CLI_MAN_PAGE="${SKERRY_CLI_MAN_PAGE}")
add_dependencies(skerry_cli_tests skerrydesk-cli man_pages)
gtest_discover_tests(skerry_cli_tests)
