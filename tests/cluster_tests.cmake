# The DX cluster: the reader over hand-made lines and real spot archives, the matching, the
# telnet lines, the reconnect policy, the alert rule and the spots list; the client,
# skerrydesk-cli spots and the spots window against a test node on 127.0.0.1, and the desktop
# notifications on a session bus of the tests' own.
add_executable(skerry_cluster_tests
    cluster/node_line_test.cpp
    cluster/island_references_test.cpp
    cluster/real_spot_files_test.cpp
    cluster/spot_matcher_test.cpp
    cluster/telnet_line_reader_test.cpp
    cluster/reconnect_policy_test.cpp
    cluster/spot_alerts_test.cpp
    cluster/spot_list_model_test.cpp
    cluster/spot_archives.cpp
)
target_link_libraries(skerry_cluster_tests PRIVATE skerry_testsupport GTest::gtest_main)
gtest_discover_tests(skerry_cluster_tests)

add_executable(skerry_cluster_process_tests
    support/local_cluster_node.cpp
    cluster/cluster_client_test.cpp
    cli/spots_cli_test.cpp
    cluster/dxpedition_register.cpp
    cluster/spot_archives.cpp
)
target_link_libraries(skerry_cluster_process_tests PRIVATE skerry_test_main)
target_compile_definitions(skerry_cluster_process_tests PRIVATE SKERRY_CLI="$<TARGET_FILE:skerrydesk-cli>")
add_dependencies(skerry_cluster_process_tests skerrydesk-cli)
gtest_discover_tests(skerry_cluster_process_tests)

add_executable(skerry_cluster_window_tests
    support/local_cluster_node.cpp
    cluster/desktop_notification_view_test.cpp
    cluster/dxpedition_register.cpp
    cluster/spot_archives.cpp
    cluster/spots_view_test.cpp
)
target_link_libraries(skerry_cluster_window_tests PRIVATE skerry_cluster_window skerry_test_main Qt6::Test)
gtest_discover_tests(skerry_cluster_window_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
