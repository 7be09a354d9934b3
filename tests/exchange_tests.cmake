# The checkpoint exchange: line format, member file import, update file export, and their CLI subcommands.
add_executable(skerry_exchange_tests
    ${CMAKE_CURRENT_LIST_DIR}/exchange/line_format_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exchange/owner_lines_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exchange/island_rules_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exchange/export_lines_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exchange/gauge_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exchange/member_import_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exchange/member_bad_input_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exchange/member_fixtures_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exchange/update_export_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exchange/round_trip_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/base/text_file_write_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli/exchange_cli_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli/input_cli_test.cpp
)
target_link_libraries(skerry_exchange_tests PRIVATE skerry_testsupport GTest::gtest_main)
target_compile_definitions(skerry_exchange_tests PRIVATE SKERRY_CLI="$<TARGET_FILE:skerrydesk-cli>")
add_dependencies(skerry_exchange_tests skerrydesk-cli)
gtest_discover_tests(skerry_exchange_tests DISCOVERY_TIMEOUT 30)
