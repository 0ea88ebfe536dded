// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in Chinese: the button of the program's message box, the edits' context menu.

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "message_sink.h"
#include "modal_responder.h"
#include "qt_translation.h"
#include "test_application.h"

TEST(QtTranslation, TheMessageBoxButtonAndTheEditMenuAreChinese) {
  ASSERT_TRUE(InstallQtTranslation(TestApplication()));
  QString button;
  ModalResponder responder([&](QWidget *modal) {
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
      button = box->button(QMessageBox::Ok)->text();
    }
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  MessageBoxSink(nullptr).ShowMessage(QStringLiteral("1"));
  EXPECT_EQ(button, QString::fromUtf8("确定"));
  QLineEdit edit;
  const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  EXPECT_TRUE(menu->actions().value(0)->text().startsWith(QString::fromUtf8("撤消(&U)")));
}
