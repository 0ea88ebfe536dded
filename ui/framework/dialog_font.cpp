// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_font.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include "embedded_font.h"

namespace {

constexpr int DIALOG_FONT_POINTS = 9;

}  // namespace

QFont DialogFont() {
  // The installed families only: hasFamily() would also ask fontconfig for an alias of a
  // missing family, which costs a fifth of the programmer's start-up work, and a font that only
  // stands in for SimSun does not have its metrics.
  if (QFontDatabase::families().contains(QStringLiteral("SimSun"), Qt::CaseInsensitive)) {
    return QFont(QStringLiteral("SimSun"), DIALOG_FONT_POINTS);
  }
  if (RegisterEmbeddedFont()) {
    return QFont(QString::fromUtf8(EMBEDDED_FONT_FAMILY), DIALOG_FONT_POINTS);
  }
  // Only a damaged executable gets here; the full font, where installed, draws the same.
  return QFont(QStringLiteral("AR PL UMing CN"), DIALOG_FONT_POINTS);
}
