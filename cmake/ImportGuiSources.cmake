# The log import and island list update commands of the main window, the import-mode dialog
# and the update panel.
list(APPEND SKERRY_GUI_SOURCES
    src/logimport/commands.cpp
    src/logimport/upf_mode_dialog.cpp
    src/logimport/adif_preview_dialog.cpp
    src/listupdate/commands.cpp
    src/listupdate/update_panel.cpp
)
