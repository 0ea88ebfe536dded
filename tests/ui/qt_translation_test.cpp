// Qt's own texts reach the user in Chinese: the button of the program's message box and the
// edits' context menu.

#include <QAbstractButton>
#include <QApplication>
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

  QString buttonText;
  ModalResponder responder([&](QWidget *modal) {
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
      buttonText = box->button(QMessageBox::Ok)->text();
    }
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  MessageBoxSink(nullptr).ShowMessage(QStringLiteral("1"));
  EXPECT_TRUE(responder.Responded());
  EXPECT_EQ(buttonText, QString::fromUtf8("确定"));

  QLineEdit edit;
  const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  ASSERT_FALSE(menu->actions().isEmpty());
  EXPECT_TRUE(menu->actions().first()->text().startsWith(QString::fromUtf8("撤消(&U)")));
}
