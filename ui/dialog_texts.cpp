// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_texts.h"

const char *LoadStringResource(int id) { return id == IDS_ABOUTBOX ? ABOUT_MENU_TEXT : ""; }
