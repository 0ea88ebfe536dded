// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A read-only edit as Windows has it: it shows a text the program sets, and nothing the user
// does puts text into it. QLineEdit's read-only mode stops the keyboard but still tells an input
// method that it takes text, and inserts what a Chinese input method commits (seen with Qt 6.4).

#include <QLineEdit>

class ReadOnlyEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit ReadOnlyEdit(QWidget *parent);

  using QLineEdit::inputMethodQuery;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 protected:
  void inputMethodEvent(QInputMethodEvent *event) override;
};
