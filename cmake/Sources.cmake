# Source lists of the targets, one file per layer so that each subsystem adds its own lines.
include(${CMAKE_CURRENT_LIST_DIR}/CoreSources.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/GuiSources.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/ReportsSources.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/CardsAndAboutSources.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/ImportGuiSources.cmake)
