# The QSL card panel, the hyperlink control, the About box and the shell they open links with, and
# the main window's commands that use them: QSL cards, the award list and claims, "&Info".
list(APPEND SKERRY_GUI_SOURCES
    src/app/shell.cpp
    src/app/hyperlink.cpp
    src/app/about_box_dialog.cpp
    src/register/qsl_card_panel.cpp
    src/register/qsl_commands.cpp
    src/register/claim_commands.cpp
    src/app/about_command.cpp
    src/app/card_claim_info_wiring.cpp
)
