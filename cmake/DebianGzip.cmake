# SPDX-License-Identifier: GPL-3.0-or-later
include_guard(GLOBAL)
find_program(ZENTOR_GZIP gzip REQUIRED)

# Builds FILE.gz from FILE, a file this build makes, the way Debian wants documents compressed:
# the best compression, and neither the file's name nor its time in the header, so the same
# sources give the same package. A target NAME, built with everything, keeps it up to date.
function(zentor_gzip name file)
  add_custom_command(OUTPUT ${file}.gz
                     COMMAND ${ZENTOR_GZIP} -9 --no-name --keep --force ${file}
                     DEPENDS ${file}
                     VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${file}.gz)
endfunction()
