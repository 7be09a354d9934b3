# The map: projection, places, filters and hit test, the coastlines, the painting, the window
# pressed through its controls, and skerrydesk-cli map.
add_executable(skerry_map_tests
    map/map_folder.cpp
    map/bin_polygons_test.cpp
    map/coastline_file_test.cpp
    map/group_places_test.cpp
    map/map_cli_test.cpp
    map/map_groups_test.cpp
    map/map_marks_test.cpp
    map/map_projection_test.cpp
    map/map_renderer_test.cpp
    map/map_style_test.cpp
    map/map_view_test.cpp
)
target_link_libraries(skerry_map_tests PRIVATE skerry_map_window skerry_test_main Qt6::Test PkgConfig::NETCDF)
target_compile_definitions(skerry_map_tests PRIVATE SKERRY_CLI="$<TARGET_FILE:skerrydesk-cli>")
add_dependencies(skerry_map_tests skerrydesk-cli)
gtest_discover_tests(skerry_map_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
