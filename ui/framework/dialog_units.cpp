// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_units.h"

#include <QFontMetrics>
#include <QString>
#include <cmath>

namespace {

// units × base / divisor, rounded half away from zero, as MulDiv does.
int MulDiv(int units, int base, int divisor) {
  return static_cast<int>(std::lround(static_cast<double>(units) * base / divisor));
}

}  // namespace

int DialogUnits::X(int units) const { return MulDiv(units, baseWidth, 4); }

int DialogUnits::Y(int units) const { return MulDiv(units, baseHeight, 8); }

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
  return QRect(X(x), Y(y), X(width), Y(height));
}

DialogUnits DialogUnitsOf(const QFont &font) {
  static const QString letters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const QFontMetrics metrics(font);
  // Windows rounds the 52-letter width to whole pixels per letter: (width / 26 + 1) / 2.
  const int baseWidth = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
  return DialogUnits{baseWidth > 0 ? baseWidth : 1, metrics.height() > 0 ? metrics.height() : 1};
}
