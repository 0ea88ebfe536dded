// SPDX-License-Identifier: GPL-3.0-or-later
#include "wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrappingButton::WrappingButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}

void WrappingButton::paintEvent(QPaintEvent *) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString text = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);

  QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  if (isDown()) {
    textArea.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
  }
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
  painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextWrapAnywhere, text);
}
