add_executable(skerry_gui_tests
    support/gui_fixture.cpp
    app/first_run_test.cpp
    register/list_grid_model_test.cpp
    app/list_grid_view_test.cpp
    app/main_window_layout_test.cpp
    app/start_up_test.cpp
    app/damaged_folder_test.cpp
    support/spoilt_database.cpp
    app/window_commands_test.cpp
    register/cards/commands_test.cpp
    register/claims/commands_test.cpp
    app/info_command_test.cpp
    register/views_test.cpp
    register/delivered_groups_view_test.cpp
    exchange/commands_test.cpp
    register/editing_test.cpp
    register/record_panel_test.cpp
    support/report_fixture.cpp
    reports/summary_panel_view_test.cpp
    reports/commands_test.cpp
    logimport/commands_test.cpp
    logimport/adif_preview_dialog_test.cpp
    listupdate/commands_test.cpp
    backup/commands_test.cpp support/table_rows.cpp
    listupdate/iota_json_preview_dialog_test.cpp
    support/local_http_server.cpp
    app/keyboard_and_screen_reader_test.cpp
    app/spoken_values_test.cpp
    support/island_records.cpp
    support/scripted_dialogs.cpp
)
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(skerry_gui_tests PRIVATE skerry_gui skerry_test_main Qt6::Test)
target_compile_definitions(skerry_gui_tests PRIVATE SKERRY_SOURCE_DATA="${CMAKE_SOURCE_DIR}/data")
gtest_discover_tests(skerry_gui_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
