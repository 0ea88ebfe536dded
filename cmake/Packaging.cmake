# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build directory makes zentor_<version>_<arch>.deb from
# the install rules of app/, cli/ and tools/. Included last from the top-level CMakeLists.txt, after
# every install rule is known.

# The one place that names the maintainer: the package's control file, its changelog and its
# copyright file all take it from here.
set(ZENTOR_PACKAGE_MAINTAINER "ZENTOR Programmer Maintainers <maintainers@zentor-programmer.org>"
    CACHE STRING "Maintainer field of the Debian package: name <email>")
# The package's own revision of the upstream version; it starts again at 1 with every version.
set(ZENTOR_DEBIAN_REVISION 1)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "zentor")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "ZENTOR programmer maintainers")
set(CPACK_PACKAGE_CONTACT "${ZENTOR_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "channel programmer for the ZENTOR 16-channel UHF hand-held radio")
# Debian shows the long description as written: lines kept under 80 columns by hand.
set(CPACK_PACKAGE_DESCRIPTION [[
Reads the radio's channel memory through its serial programming cable,
edits the 16 channels (transmit and receive frequencies, CTCSS and DCS
codes, transmit time limit, squelch level, channel spacing and band) in
one window with Chinese text, and writes the memory back.

zentor-cli does the same from the command line, for scripts and for
programming radios in series: read, write with a backup and a read-back
check, show, check, compare, and CHIRP's CSV export and import.

The package also holds zentor-radio-sim, a simulated radio on a
pseudo-terminal, for trying the programmer without a radio.]])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${ZENTOR_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZENTOR_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZENTOR_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "hamradio")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# dpkg-shlibdeps names the Qt and C++ runtime libraries the binaries link, with their minimum
# versions. What it cannot see is loaded at run time: the platform plugin that puts a window on
# the screen, a full Chinese font for whatever the embedded dialog font lacks (text a user
# pastes, message boxes and the system menu, which take the desktop's font), and Qt's Chinese
# translation of its own texts (a message box's button, the edits' context menu).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The build keeps its debugging information; the installed programs need none of it.
set(CPACK_STRIP_FILES ON)

# Directories the package creates are rwxr-xr-x whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The documents every Debian package carries: the machine-readable copyright file, naming every
# licence of what the package holds, and the changelog, compressed like the manual pages. They
# are install rules, so `cmake --install` puts them beside the programs too.
include(${CMAKE_CURRENT_LIST_DIR}/DebianGzip.cmake)
set(ZENTOR_DEBIAN_VERSION "${PROJECT_VERSION}-${ZENTOR_DEBIAN_REVISION}")
# The embedded font's licence, quoted whole as the copyright format wants it: every line
# indented by one space, an empty line written as " .".
file(READ ${ZENTOR_FONT_LICENCE_FILE} ZENTOR_FONT_LICENCE_TEXT)
string(REPLACE "\r" "" ZENTOR_FONT_LICENCE_TEXT "${ZENTOR_FONT_LICENCE_TEXT}")
string(REGEX REPLACE "[ \t]+\n" "\n" ZENTOR_FONT_LICENCE_TEXT "${ZENTOR_FONT_LICENCE_TEXT}")
string(STRIP "${ZENTOR_FONT_LICENCE_TEXT}" ZENTOR_FONT_LICENCE_TEXT)
string(REPLACE "\n" "\n " ZENTOR_FONT_LICENCE_TEXT " ${ZENTOR_FONT_LICENCE_TEXT}")
string(REPLACE "\n \n" "\n .\n" ZENTOR_FONT_LICENCE_TEXT "${ZENTOR_FONT_LICENCE_TEXT}")
# A second pass for runs of empty lines, which the first leaves every other one of.
string(REPLACE "\n \n" "\n .\n" ZENTOR_FONT_LICENCE_TEXT "${ZENTOR_FONT_LICENCE_TEXT}")
get_filename_component(ZENTOR_FONT_LICENCE_FILE_NAME ${ZENTOR_FONT_LICENCE_FILE} NAME)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in
               ${PROJECT_BINARY_DIR}/debian/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in
               ${PROJECT_BINARY_DIR}/debian/changelog.Debian @ONLY)
zentor_gzip(debian-changelog ${PROJECT_BINARY_DIR}/debian/changelog.Debian)
install(FILES ${PROJECT_BINARY_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(CPack)
