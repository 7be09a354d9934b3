add_executable(skerry_gui_tests
    app/gui_test_main.cpp
    app/gui_fixture.cpp
    app/first_run_test.cpp
    app/list_grid_model_test.cpp
    app/main_window_layout_test.cpp
    app/start_up_test.cpp
    app/window_commands_test.cpp
    app/views_test.cpp
    app/editing_test.cpp
    support/scripted_dialogs.cpp
)
target_link_libraries(skerry_gui_tests PRIVATE skerry_gui skerry_testsupport)
target_compile_definitions(skerry_gui_tests PRIVATE SKERRY_SOURCE_DATA="${CMAKE_SOURCE_DIR}/data")
gtest_discover_tests(skerry_gui_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
