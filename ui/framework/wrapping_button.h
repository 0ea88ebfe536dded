// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A push button whose text wraps onto several lines when the button is too narrow for it, like
// a Windows multi-line button. text() keeps the text exactly as given; only the painting wraps.

#include <QPushButton>

class WrappingButton : public QPushButton {
  Q_OBJECT

 public:
  WrappingButton(const QString &text, QWidget *parent);

 protected:
  void paintEvent(QPaintEvent *event) override;
};
