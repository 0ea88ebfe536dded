#include "dialog_font.h"

#include <QFontDatabase>
#include <QString>

namespace {

constexpr int DIALOG_FONT_POINTS = 9;

}  // namespace

QFont DialogFont() {
  const QString family = QFontDatabase::hasFamily(QStringLiteral("SimSun"))
                             ? QStringLiteral("SimSun")
                             : QStringLiteral("Noto Sans CJK SC");
  return QFont(family, DIALOG_FONT_POINTS);
}
