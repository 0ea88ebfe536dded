# SPDX-License-Identifier: GPL-3.0-or-later
# What a release says about itself, shared by the programs' --version, the manual pages, the
# AppStream metadata and the Debian package. The version is the one of project() in the
# top-level CMakeLists.txt, the release date ZENTOR_RELEASE_DATE beside it.
include_guard(GLOBAL)

set(ZENTOR_COPYRIGHT "2026 The zentor developers")
set(ZENTOR_HOMEPAGE "https://zentor-programmer.org/")
# Reverse-DNS of the homepage's domain and the program, in lower case, the hyphen made an
# underscore, as AppStream asks.
set(ZENTOR_APPSTREAM_ID "org.zentor_programmer.zentor")

# The release date in the forms its readers take: seconds for help2man (SOURCE_DATE_EPOCH),
# RFC 2822 for the Debian changelog, month and year for a manual page. Fixed dates keep the
# package the same byte for byte whenever it is built.
function(_zentor_release_date format result)
  execute_process(COMMAND date -u -d "${ZENTOR_RELEASE_DATE}" "+${format}"
                  OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR value STREQUAL "")
    message(FATAL_ERROR "ZENTOR_RELEASE_DATE '${ZENTOR_RELEASE_DATE}' is not a date (YYYY-MM-DD)")
  endif()
  set(${result} "${value}" PARENT_SCOPE)
endfunction()
_zentor_release_date("%s" ZENTOR_RELEASE_EPOCH)
_zentor_release_date("%a, %d %b %Y %H:%M:%S +0000" ZENTOR_RELEASE_DATE_RFC2822)
_zentor_release_date("%B %Y" ZENTOR_RELEASE_MONTH)

# zentor_version.h for any program that prints its version: link the target zentor_version.
configure_file(${CMAKE_CURRENT_LIST_DIR}/zentor_version.h.in
               ${PROJECT_BINARY_DIR}/generated/zentor_version.h @ONLY)
add_library(zentor_version INTERFACE)
target_include_directories(zentor_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
