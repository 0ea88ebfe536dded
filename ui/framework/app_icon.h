// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Icon resource 128: a hand-held radio at 32×32 and 16×16 pixels, the window's large and small
// icon and the About box's picture.

#include <QIcon>

constexpr int IDR_MAINFRAME = 128;

QIcon LoadAppIcon();
