# SPDX-License-Identifier: GPL-3.0-or-later
# The dialog font (ui/framework/fonts/) is built into the programmer, so its licence travels with the
# program: app/ installs the licence file and the Debian copyright file quotes it whole. Another
# font means changing only these lines.
include_guard(GLOBAL)

set(ZENTOR_FONT_LICENCE_FILE ${PROJECT_SOURCE_DIR}/ui/framework/fonts/ARPHICPL.TXT)
# SPDX identifier, also the licence's short name in the copyright file.
set(ZENTOR_FONT_LICENCE "Arphic-1999")
# A second holder goes on a continuation line of the copyright file's field.
set(ZENTOR_FONT_COPYRIGHT "1994-1999 Arphic Technology Co., Ltd.\n 2003-2007 Arne Goetje <arne@ubuntu.com>")
set(ZENTOR_FONT_SOURCE_FILES "ui/framework/fonts/ZentorUiSubset.ttf")
