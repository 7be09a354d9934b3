# QSL card pictures, award claims, the hyperlink control and the About box.
set(SKERRY_PLACEHOLDER_PICTURE ${CMAKE_SOURCE_DIR}/data/QSLimages/noqsl.jpg)

add_executable(skerry_cards_core_tests
    register/cards/jpeg_decoder_test.cpp
    register/cards/qsl_card_files_test.cpp
    register/claims/award_claims_test.cpp
)
target_link_libraries(skerry_cards_core_tests PRIVATE skerry_testsupport GTest::gtest_main)
target_compile_definitions(skerry_cards_core_tests PRIVATE SKERRY_PLACEHOLDER_PICTURE="${SKERRY_PLACEHOLDER_PICTURE}")
gtest_discover_tests(skerry_cards_core_tests)

# The widgets are compiled in with their own sources, apart from the main window.
find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(skerry_cards_widget_tests
    app/hyperlink_test.cpp
    app/about_box_dialog_test.cpp
    register/cards/qsl_card_panel_test.cpp
    app/readable_colour_test.cpp
    ${CMAKE_SOURCE_DIR}/src/app/hyperlink.cpp
    ${CMAKE_SOURCE_DIR}/src/app/about_box_dialog.cpp
    ${CMAKE_SOURCE_DIR}/src/window/program_picture.cpp
    ${CMAKE_SOURCE_DIR}/src/app/readable_colour.cpp
    ${CMAKE_SOURCE_DIR}/src/register/cards/qsl_card_panel.cpp
)
target_link_libraries(skerry_cards_widget_tests PRIVATE skerry_test_main Qt6::Test)
target_compile_definitions(skerry_cards_widget_tests PRIVATE
    SKERRY_WEB_ADDRESS="${SKERRY_WEB_ADDRESS}" SKERRY_MAIL_ADDRESS="${SKERRY_MAIL_ADDRESS}"
    SKERRY_PLACEHOLDER_PICTURE="${SKERRY_PLACEHOLDER_PICTURE}")
gtest_discover_tests(skerry_cards_widget_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
