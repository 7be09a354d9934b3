add_executable(skerry_reports_tests
    reports/page_text.cpp
    reports/summary_counts_test.cpp
    reports/award_summary_test.cpp
    reports/island_lists_test.cpp
    reports/want_list_test.cpp
    reports/rarity_want_list_test.cpp
    reports/report_pages_test.cpp
    reports/report_commands_test.cpp
)
target_link_libraries(skerry_reports_tests PRIVATE skerry_reports skerry_test_main)
target_compile_definitions(skerry_reports_tests PRIVATE
    SKERRY_GOLDEN="${CMAKE_CURRENT_SOURCE_DIR}/reports/golden" SKERRY_CLI="$<TARGET_FILE:skerrydesk-cli>")
add_dependencies(skerry_reports_tests skerrydesk-cli)
gtest_discover_tests(skerry_reports_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
