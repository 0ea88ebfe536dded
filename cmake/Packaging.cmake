# The Debian package: `cpack -G DEB` in the build directory makes zentor_<version>_<arch>.deb from
# the install rules of app/, cli/ and tools/. Included last from the top-level CMakeLists.txt, after
# every install rule is known.

set(ZENTOR_PACKAGE_MAINTAINER "ZENTOR programmer maintainers <zentor@example.org>"
    CACHE STRING "Maintainer field of the Debian package: name <email>")

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

include(CPack)
