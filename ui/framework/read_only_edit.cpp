// SPDX-License-Identifier: GPL-3.0-or-later
#include "read_only_edit.h"

#include <QInputMethodEvent>
#include <QPalette>

ReadOnlyEdit::ReadOnlyEdit(QWidget *parent) : QLineEdit(parent) {
  setReadOnly(true);
  // Grey like the dialog, as Windows draws a read-only edit, so it does not invite typing.
  QPalette shade = palette();
  shade.setColor(QPalette::Base, shade.color(QPalette::Window));
  setPalette(shade);
}

QVariant ReadOnlyEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (query == Qt::ImEnabled) {
    return false;  // the input method stays off here
  }
  return QLineEdit::inputMethodQuery(query);
}

void ReadOnlyEdit::inputMethodEvent(QInputMethodEvent *event) { event->ignore(); }
