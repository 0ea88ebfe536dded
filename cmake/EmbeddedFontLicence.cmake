# The dialog font (ui/framework/fonts/) is built into the programmer, so its licence travels with the
# program: app/ installs the licence file and the Debian copyright file quotes it whole. Another
# font means changing only these lines.
include_guard(GLOBAL)

set(ZENTOR_FONT_LICENCE_FILE ${PROJECT_SOURCE_DIR}/ui/framework/fonts/LICENSE-OFL.txt)
# SPDX identifier, also the licence's short name in the copyright file.
set(ZENTOR_FONT_LICENCE "OFL-1.1")
set(ZENTOR_FONT_COPYRIGHT "2014-2021 Adobe (http://www.adobe.com/), with Reserved Font Name 'Source'")
set(ZENTOR_FONT_SOURCE_FILES "ui/framework/fonts/ZentorUiSubset.otf")
