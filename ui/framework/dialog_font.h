#pragma once
// The font of both dialogs: 宋体 (SimSun) 9 points where it is installed, otherwise the embedded
// subset of Noto Sans CJK SC (embedded_font.h) at 9 points: the same glyphs and metrics as the
// full font of Debian's fonts-noto-cjk, so the window has the same size and look either way.

#include <QFont>

QFont DialogFont();
