# PCRE2's 16-bit library (Debian's libpcre2-dev), for the engine's regular expressions: script
# texts are UTF-16 code units. Debian ships no CMake package for it, so the header and library
# are found directly (the 16-bit library under a name of its own, so a build folder made for the
# 8-bit one finds it afresh); the result is the imported target PCRE2::PCRE2.
find_path(PCRE2_INCLUDE_DIR pcre2.h)
find_library(PCRE2_16_LIBRARY NAMES pcre2-16)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(PCRE2 REQUIRED_VARS PCRE2_16_LIBRARY PCRE2_INCLUDE_DIR)

if(PCRE2_FOUND AND NOT TARGET PCRE2::PCRE2)
  add_library(PCRE2::PCRE2 UNKNOWN IMPORTED)
  set_target_properties(PCRE2::PCRE2 PROPERTIES
    IMPORTED_LOCATION "${PCRE2_16_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${PCRE2_INCLUDE_DIR}"
    INTERFACE_COMPILE_DEFINITIONS PCRE2_CODE_UNIT_WIDTH=16)
endif()
mark_as_advanced(PCRE2_INCLUDE_DIR PCRE2_16_LIBRARY)
