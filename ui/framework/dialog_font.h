// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font of both dialogs: 宋体 (SimSun) 9 points where it is installed, otherwise the embedded
// subset of AR PL UMing CN (embedded_font.h) at 9 points, a Song face with SimSun's dialog base
// units, so the window has the same size and much the same look either way.

#include <QFont>

QFont DialogFont();
