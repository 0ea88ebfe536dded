// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange_checks.h"

#include <QLineEdit>
#include <cstddef>
#include <string>

#include "dialog_number.h"
#include "gbk_length.h"
#include "message_sink.h"
#include "standard_texts.h"

namespace {

QString Shown(double value) { return QString::fromStdString(FormatDialogNumber(value)); }

bool Fail(QLineEdit *edit, MessageSink &messages, const QString &message) {
  messages.ShowMessage(message);
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
  return false;
}

}  // namespace

void ShowNumberInEdit(QLineEdit *edit, double value) { ShowTextInEdit(edit, Shown(value)); }

void ShowTextInEdit(QLineEdit *edit, const QString &text) {
  if (edit->text() != text) {
    edit->setText(text);
  }
}

bool ReadEditNumber(QLineEdit *edit, double &value, MessageSink &messages) {
  if (!ParseDialogNumber(edit->text().toStdString(), value)) {
    return Fail(edit, messages, QString::fromUtf8(NOT_A_NUMBER_MESSAGE));
  }
  return true;
}

bool CheckNumberRange(QLineEdit *edit, double value, double minimum, double maximum,
                      MessageSink &messages) {
  if (value < minimum || value > maximum) {
    return Fail(edit, messages,
                QString::fromUtf8(NUMBER_RANGE_MESSAGE).arg(Shown(minimum), Shown(maximum)));
  }
  return true;
}

bool CheckTextBytes(QLineEdit *edit, int maxBytes, MessageSink &messages) {
  if (GbkByteCount(edit->text().toStdString()) > static_cast<std::size_t>(maxBytes)) {
    return Fail(edit, messages,
                QString::fromUtf8(TEXT_TOO_LONG_MESSAGE).arg(QString::number(maxBytes)));
  }
  return true;
}
