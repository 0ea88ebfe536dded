# SPDX-License-Identifier: GPL-3.0-or-later
# What a distribution's build gives every program it ships (Debian's dpkg-buildflags): a stack
# protector, relocations made read-only and bound at start-up, and the checked variants of the C
# library's buffer functions. The checked variants need the optimiser, and they would hide
# overflows from AddressSanitizer, so Debug and the sanitizer and fuzzing builds go without.
include_guard(GLOBAL)

add_compile_options(-fstack-protector-strong)
add_link_options(LINKER:-z,relro LINKER:-z,now)
if(NOT ZENTOR_SANITIZE AND NOT ZENTOR_FUZZ)
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
