add_executable(skerry_gui_tests
    app/gui_test_main.cpp
    app/gui_fixture.cpp
    app/first_run_test.cpp
    app/list_grid_model_test.cpp
    app/list_grid_view_test.cpp
    app/main_window_layout_test.cpp
    app/start_up_test.cpp
    app/window_commands_test.cpp
    app/qsl_card_test.cpp
    app/claims_test.cpp
    app/info_command_test.cpp
    app/views_test.cpp
    app/exchange_test.cpp
    app/editing_test.cpp
    app/record_panel_test.cpp
    app/report_fixture.cpp
    app/summary_test.cpp
    app/report_commands_test.cpp
    app/log_import_test.cpp
    app/adif_import_test.cpp
    app/list_update_test.cpp
    app/backups_test.cpp support/table_rows.cpp
    app/iota_json_import_test.cpp
    listupdate/local_http_server.cpp
    support/island_records.cpp
    support/scripted_dialogs.cpp
)
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(skerry_gui_tests PRIVATE skerry_gui skerry_testsupport Qt6::Test)
target_compile_definitions(skerry_gui_tests PRIVATE SKERRY_SOURCE_DATA="${CMAKE_SOURCE_DIR}/data")
gtest_discover_tests(skerry_gui_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
