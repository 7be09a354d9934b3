# Reports layer: the banded page renderer, the three report layouts and PDF output (Qt Gui).
set(SKERRY_REPORTS_SOURCES
    src/reports/report.cpp
    src/reports/report_fonts.cpp
    src/reports/page_setup.cpp
    src/reports/page_layout.cpp
    src/reports/report_renderer.cpp
    src/reports/pdf_output.cpp
    src/reports/page_header.cpp
    src/reports/island_list_report.cpp
    src/reports/summary_report.cpp
    src/reports/want_list_report.cpp
)

# The report preview window, the summary panel and the main window's report commands (Widgets,
# PrintSupport): built into the GUI target.
set(SKERRY_REPORTS_GUI_SOURCES
    src/reports/report_preview.cpp
    src/reports/summary_panel_view.cpp
    src/reports/commands.cpp
)
list(APPEND SKERRY_GUI_SOURCES ${SKERRY_REPORTS_GUI_SOURCES})
