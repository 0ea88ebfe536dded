// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog units to pixels, from the metrics of the dialog font, the way the Windows dialog
// manager measures them: the horizontal unit is a quarter of the average width of the Latin
// letters, the vertical unit an eighth of the font height. QFontMetrics::averageCharWidth is
// no use here: a CJK font reports the width of its wide glyphs.

#include <QFont>
#include <QRect>

struct DialogUnits {
  int baseWidth;   // average letter width in pixels
  int baseHeight;  // font height in pixels

  int X(int units) const;  // horizontal dialog units to pixels
  int Y(int units) const;  // vertical dialog units to pixels
  QRect Rect(int x, int y, int width, int height) const;
};

DialogUnits DialogUnitsOf(const QFont &font);
