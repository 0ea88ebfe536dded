#include "dialog_font.h"

#include <QFontDatabase>
#include <QString>

#include "embedded_font.h"

namespace {

constexpr int DIALOG_FONT_POINTS = 9;

}  // namespace

QFont DialogFont() {
  if (QFontDatabase::hasFamily(QStringLiteral("SimSun"))) {
    return QFont(QStringLiteral("SimSun"), DIALOG_FONT_POINTS);
  }
  if (RegisterEmbeddedFont()) {
    return QFont(QString::fromUtf8(EMBEDDED_FONT_FAMILY), DIALOG_FONT_POINTS);
  }
  // Only a damaged executable gets here; the full font, where installed, draws the same.
  return QFont(QStringLiteral("AR PL UMing CN"), DIALOG_FONT_POINTS);
}
