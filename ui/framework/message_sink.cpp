// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_sink.h"

#include <QCoreApplication>
#include <QMessageBox>

MessageBoxSink::MessageBoxSink(QWidget *owner) : owner_(owner) {}

void MessageBoxSink::ShowMessage(const QString &text) {
  QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text,
                  QMessageBox::Ok, owner_);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
}
