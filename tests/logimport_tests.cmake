# Log imports and island list updates: the rules over fixture folders, the downloads against a
# local server, and the subcommands end to end.
set(SKERRY_RECORD_FIXTURES support/island_records.cpp)

add_executable(skerry_logimport_tests
    logimport/upf_line_test.cpp
    logimport/upf_decision_test.cpp
    logimport/upf_import_test.cpp
    logimport/csv_import_test.cpp
    logimport/junk_input_test.cpp
    logimport/adif_reader_test.cpp
    logimport/adif_import_test.cpp
    logimport/adif_real_logs_test.cpp
    listupdate/list_update_test.cpp
    listupdate/listed_islands_test.cpp
    listupdate/url_history_test.cpp
    listupdate/iota_json_test.cpp
    listupdate/iota_json_complete_list_test.cpp
    listupdate/http_answer_test.cpp
    ${SKERRY_RECORD_FIXTURES}
)
target_link_libraries(skerry_logimport_tests PRIVATE skerry_testsupport GTest::gtest_main)
gtest_discover_tests(skerry_logimport_tests)

add_executable(skerry_logimport_process_tests
    support/local_http_server.cpp
    listupdate/http_client_test.cpp
    cli/import_commands_cli_test.cpp
    cli/iota_json_cli_test.cpp
    cli/iota_json_real_cli_test.cpp
    cli/adif_cli_test.cpp
    cli/damaged_table_cli_test.cpp
    ${SKERRY_RECORD_FIXTURES}
)
target_link_libraries(skerry_logimport_process_tests PRIVATE skerry_test_main)
target_compile_definitions(skerry_logimport_process_tests PRIVATE SKERRY_CLI="$<TARGET_FILE:skerrydesk-cli>")
add_dependencies(skerry_logimport_process_tests skerrydesk-cli)
gtest_discover_tests(skerry_logimport_process_tests)
