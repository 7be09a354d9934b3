# The project's version, for --version and the About box: a header generated from
# src/base/version.h.in, seen by every layer through the core's include folders.
configure_file(${CMAKE_SOURCE_DIR}/src/base/version.h.in ${CMAKE_BINARY_DIR}/generated/base/version.h @ONLY)
target_include_directories(skerry_core PUBLIC ${CMAKE_BINARY_DIR}/generated)
