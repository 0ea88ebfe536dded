# SPDX-License-Identifier: GPL-3.0-or-later
# Manual pages, installed compressed in section 1. A program with --help gets its page from
# help2man at build time, so the page cannot fall behind the options; a program without a
# command line gets a page written by hand.
include_guard(GLOBAL)
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/ReleaseInfo.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/DebianGzip.cmake)

option(ZENTOR_MAN_PAGES "Build and install the manual pages (needs help2man)" ON)
if(ZENTOR_MAN_PAGES)
  find_program(ZENTOR_HELP2MAN help2man)
  if(NOT ZENTOR_HELP2MAN)
    message(FATAL_ERROR "The manual pages need help2man (apt-get install help2man); "
                        "-DZENTOR_MAN_PAGES=OFF builds without them")
  endif()
endif()
set(ZENTOR_MAN_DIR ${PROJECT_BINARY_DIR}/man)
# What every generated page adds to the program's --help: copyright and where to read more.
configure_file(${CMAKE_CURRENT_LIST_DIR}/man/common.h2m.in ${ZENTOR_MAN_DIR}/common.h2m @ONLY)

function(_zentor_install_man_page program page)
  zentor_gzip(${program}-man-page ${page})
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

# zentor_help2man_page(TARGET DESCRIPTION "what it is" [INCLUDE file.h2m])
# The page of the executable TARGET, from what `TARGET --help` prints; the version is the
# project's, so the program need not answer --version for it. INCLUDE adds sections of its own
# (help2man's include format: [SECTION] and the text).
function(zentor_help2man_page target)
  cmake_parse_arguments(PAGE "" "DESCRIPTION;INCLUDE" "" ${ARGN})
  if(NOT ZENTOR_MAN_PAGES)
    return()
  endif()
  if(NOT PAGE_DESCRIPTION)
    message(FATAL_ERROR "zentor_help2man_page(${target}) needs a DESCRIPTION")
  endif()
  set(includes --include=${ZENTOR_MAN_DIR}/common.h2m)
  set(depends ${target} ${ZENTOR_MAN_DIR}/common.h2m)
  if(PAGE_INCLUDE)
    get_filename_component(include_file ${PAGE_INCLUDE} ABSOLUTE)
    list(APPEND includes --include=${include_file})
    list(APPEND depends ${include_file})
  endif()
  set(page ${ZENTOR_MAN_DIR}/${target}.1)
  # Sanitizer builds run the program too; what it leaves allocated at exit is no fault of --help.
  add_custom_command(
    OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${ZENTOR_RELEASE_EPOCH}
            ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
            ${ZENTOR_HELP2MAN} --no-info --section=1 --version-string=${PROJECT_VERSION}
            --name=${PAGE_DESCRIPTION} ${includes} --output=${page} $<TARGET_FILE:${target}>
    DEPENDS ${depends}
    COMMENT "Manual page of ${target} from its --help"
    VERBATIM)
  _zentor_install_man_page(${target} ${page})
endfunction()

# zentor_written_man_page(PROGRAM SOURCE)
# A page written by hand in SOURCE, a template in which @PROJECT_VERSION@, @ZENTOR_RELEASE_MONTH@
# and @ZENTOR_COPYRIGHT@ are filled in.
function(zentor_written_man_page program source)
  if(NOT ZENTOR_MAN_PAGES)
    return()
  endif()
  set(page ${ZENTOR_MAN_DIR}/${program}.1)
  configure_file(${source} ${page} @ONLY)
  _zentor_install_man_page(${program} ${page})
endfunction()
