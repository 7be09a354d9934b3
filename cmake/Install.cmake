# What `cmake --install` lays out, in the GNU folders below the prefix: both programs in bin, the
# CLI's partner for drawing and fetching in libexec/skerrydesk, where the CLI looks for it; the
# help file and the QSL placeholder in share/skerrydesk, where the program finds them from its own
# folder as ../share/skerrydesk; the menu entry, the AppStream data, the icons and the man pages
# where the desktop and man look for them.
include(GNUInstallDirs)

set(SKERRY_SHARED_DATA ${CMAKE_INSTALL_DATADIR}/skerrydesk)
set(SKERRY_METAINFO ${CMAKE_BINARY_DIR}/data/org.skerrydesk.Skerrydesk.metainfo.xml)
set(SKERRY_PROGRAM_MAN_PAGE ${CMAKE_BINARY_DIR}/doc/skerrydesk.1)
set(SKERRY_CLI_MAN_PAGE ${CMAKE_BINARY_DIR}/doc/skerrydesk-cli.1)

install(TARGETS skerrydesk skerrydesk-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS skerrydesk-cli-draw RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/skerrydesk)
install(FILES data/SKERRYDESK.HLP data/QSLimages/noqsl.jpg DESTINATION ${SKERRY_SHARED_DATA})

install(FILES data/skerrydesk.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(data/org.skerrydesk.Skerrydesk.metainfo.xml.in ${SKERRY_METAINFO} @ONLY)
install(FILES ${SKERRY_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The PNG icons are made from the SVG and checked in:
#   rsvg-convert -w 48 -h 48 data/icons/skerrydesk.svg -o data/icons/48x48/skerrydesk.png (and 256)
install(FILES data/icons/skerrydesk.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(_size IN ITEMS 48x48 256x256)
    install(FILES data/icons/${_size}/skerrydesk.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}/apps)
endforeach()

# The CLI's page lists its subcommands from the CLI's own help, so it is written after the CLI is built.
configure_file(doc/skerrydesk.1.in ${SKERRY_PROGRAM_MAN_PAGE} @ONLY)
add_custom_command(OUTPUT ${SKERRY_CLI_MAN_PAGE}
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:skerrydesk-cli> -DTEMPLATE=${CMAKE_SOURCE_DIR}/doc/skerrydesk-cli.1.in
            -DOUTPUT=${SKERRY_CLI_MAN_PAGE} -DVERSION=${PROJECT_VERSION} -P ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
    DEPENDS skerrydesk-cli doc/skerrydesk-cli.1.in cmake/ManPage.cmake
    COMMENT "Writing the man page of skerrydesk-cli from its --help")
add_custom_target(man_pages ALL DEPENDS ${SKERRY_CLI_MAN_PAGE})
install(FILES ${SKERRY_PROGRAM_MAN_PAGE} ${SKERRY_CLI_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
