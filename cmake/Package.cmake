# The Debian package (`cpack -G DEB` in the build folder, or scripts/package): what
# `cmake --install` lays out, below /usr, with the runtime packages of Debian 12. The program
# needs Debian's IOTA list only for `skerrydesk-cli init`, so cqrlog-data is recommended, and
# GSHHG's coastlines only for the map's land and sea (without them it draws a graticule), so
# gmt-gshhg-low is recommended too; libnetcdf, which reads them, is loaded when a map is drawn.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skerrydesk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "island register for the IOTA awards")
set(CPACK_PACKAGE_DESCRIPTION "Skerrydesk keeps one record per IOTA island reference with its status, \
the callsign that counts for it, the island name, prefix, comment and group; it exchanges files with \
the award checkpoint, imports logs, updates the island list, counts award totals, prints lists, \
shows scanned QSL cards, draws the islands on a map coloured by status and watches a DX cluster \
node for spots of the islands still needed. skerrydesk-cli does the same from the command line.")
set(CPACK_PACKAGE_CONTACT "Skerrydesk <skerrydesk@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SKERRY_WEB_ADDRESS})
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), \
libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6network6 (>= 6.4), libqt6dbus6 (>= 6.4), \
libsqlite3-0, libjpeg62-turbo, zlib1g, libnetcdf19, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cqrlog-data, gmt-gshhg-low")
include(CPack)
