// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_box.h"

#include <QLabel>
#include <QPushButton>

#include "app_icon.h"
#include "dialog_font.h"
#include "dialog_texts.h"
#include "dialog_units.h"

namespace {

constexpr int ABOUT_WIDTH = 235;  // dialog units
constexpr int ABOUT_HEIGHT = 55;
constexpr int ICON_PIXELS = 32;   // an icon control shows the icon at its own size

}  // namespace

CAboutBox::CAboutBox(QWidget *owner) : QDialog(owner) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QString::fromUtf8(ABOUT_CAPTION));
  const QIcon icon = LoadAppIcon();
  setWindowIcon(icon);
  setFont(DialogFont());
  const DialogUnits units = DialogUnitsOf(font());
  setFixedSize(units.X(ABOUT_WIDTH), units.Y(ABOUT_HEIGHT));

  auto *picture = new QLabel(this);
  picture->setPixmap(icon.pixmap(ICON_PIXELS, ICON_PIXELS));
  picture->setGeometry(QRect(units.Rect(11, 17, 20, 20).topLeft(), QSize(ICON_PIXELS, ICON_PIXELS)));
  picture->setAccessibleName(QString::fromUtf8(ABOUT_CAPTION));

  auto *version = new QLabel(QString::fromUtf8(ABOUT_VERSION_TEXT), this);
  version->setGeometry(units.Rect(40, 10, 119, 8));
  auto *notice = new QLabel(QString::fromUtf8(ABOUT_NOTICE_TEXT), this);
  notice->setGeometry(units.Rect(40, 25, 119, 8));
  for (QLabel *label : {picture, version, notice}) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }

  auto *ok = new QPushButton(QString::fromUtf8(ABOUT_OK_TEXT), this);
  ok->setGeometry(units.Rect(178, 7, 50, 14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  ok->setFocus();
}
