# The installed layout: `cmake --install` into a temporary prefix, the validators, and the
# installed programs started from another folder. The Debian package is checked by scripts/package.
add_test(NAME install_layout
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install/install_layout_test.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
