# Backups and restore: the core, the CLI subcommands, and kills in the middle of both.
add_executable(skerry_backup_tests
    ${CMAKE_CURRENT_LIST_DIR}/backup/backup_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/backup/kill_during_backup_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli/backup_cli_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/support/island_records.cpp
    ${CMAKE_CURRENT_LIST_DIR}/support/spoilt_database.cpp
    ${CMAKE_CURRENT_LIST_DIR}/support/table_rows.cpp
)
target_link_libraries(skerry_backup_tests PRIVATE skerry_testsupport GTest::gtest_main)
target_compile_definitions(skerry_backup_tests PRIVATE SKERRY_CLI="$<TARGET_FILE:skerrydesk-cli>")
add_dependencies(skerry_backup_tests skerrydesk-cli)
gtest_discover_tests(skerry_backup_tests DISCOVERY_TIMEOUT 30)

# The power cut the CLI runs under in the tests: a SQLite file system loaded with LD_PRELOAD.
add_library(skerry_power_cut MODULE ${CMAKE_CURRENT_LIST_DIR}/support/power_cut_vfs.cpp)
target_link_libraries(skerry_power_cut PRIVATE SQLite::SQLite3)
target_include_directories(skerry_power_cut PRIVATE ${CMAKE_CURRENT_LIST_DIR})

# The data folder under the faults of real machines: commands started together, power cuts.
add_executable(skerry_folder_safety_tests
    ${CMAKE_CURRENT_LIST_DIR}/cli/concurrent_cli_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/backup/power_cut_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/support/island_records.cpp
    ${CMAKE_CURRENT_LIST_DIR}/support/table_rows.cpp
)
target_link_libraries(skerry_folder_safety_tests PRIVATE skerry_test_main)
target_compile_definitions(skerry_folder_safety_tests PRIVATE SKERRY_CLI="$<TARGET_FILE:skerrydesk-cli>"
    SKERRY_POWER_CUT_LIBRARY="$<TARGET_FILE:skerry_power_cut>")
add_dependencies(skerry_folder_safety_tests skerrydesk-cli skerry_power_cut)
gtest_discover_tests(skerry_folder_safety_tests DISCOVERY_TIMEOUT 30)
