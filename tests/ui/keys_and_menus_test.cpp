// SPDX-License-Identifier: GPL-3.0-or-later
// Enter, Esc, the close box, the system menu and the About box.

#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "about_box.h"
#include "editor_fixture.h"
#include "modal_responder.h"

namespace {

QMenu *OpenMenu() { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); }

QStringList MenuTexts(const QMenu *menu) {
  QStringList texts;
  for (const QAction *action : menu->actions()) {
    texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  return texts;
}

}  // namespace

TEST_F(EditorTest, EnterInAnEditOrAListDoesNothing) {
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("438.0125"));
  const ChannelImage image = dialog->State().image;
  const WorkingChannel working = dialog->State().working;
  QTest::keyClick(Edit(ControlId::TX_FREQUENCY_EDIT), Qt::Key_Return);
  QTest::keyClick(Edit(ControlId::BAND_EDIT), Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(List(ControlId::CHANNEL_LIST), Qt::Key_Return);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->State().image.bytes, image.bytes);
  EXPECT_EQ(dialog->State().working, working);
}

TEST_F(EditorTest, EnterOnAFocusedButtonClicksIt) {
  TypeOver(ControlId::BAND_EDIT, QStringLiteral("430"));
  Button(ControlId::CLEAR_BUTTON)->setFocus();
  QTest::keyClick(Button(ControlId::CLEAR_BUTTON), Qt::Key_Return);
  EXPECT_EQ(dialog->State().image.bytes[176], 0);
  EXPECT_EQ(Edit(ControlId::BAND_EDIT)->text(), QStringLiteral("0"));
  EXPECT_TRUE(dialog->isVisible());

  Button(ControlId::CANCEL_BUTTON)->setFocus();
  QTest::keyClick(Button(ControlId::CANCEL_BUTTON), Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(EditorTest, NoButtonIsADefaultButton) {
  for (int id : {1044, 1015, 1041, 2, 1042, 1043}) {
    EXPECT_FALSE(Button(id)->isDefault()) << id;
    EXPECT_FALSE(Button(id)->autoDefault()) << id;
  }
}

TEST_F(EditorTest, EscEndsTheDialogAtOnce) {
  QTest::keyClick(Edit(ControlId::BAND_EDIT), Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(EditorTest, TheQuitButtonEndsTheDialog) {
  ClickButton(ControlId::CANCEL_BUTTON);
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(EditorTest, TheCloseBoxStopsBothTimersAndEndsTheDialog) {
  dialog->SetTimer(1, 60000);
  dialog->SetTimer(2, 60000);
  ASSERT_TRUE(dialog->IsTimerRunning(1) && dialog->IsTimerRunning(2));
  EXPECT_TRUE(dialog->close());
  EXPECT_FALSE(dialog->IsTimerRunning(1));
  EXPECT_FALSE(dialog->IsTimerRunning(2));
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(EditorTest, AltSpaceOpensTheSystemMenuWithTheAboutItemLast) {
  QTest::keyClick(Edit(ControlId::BAND_EDIT), Qt::Key_Space, Qt::AltModifier);
  QMenu *menu = OpenMenu();
  ASSERT_NE(menu, nullptr);
  const QStringList expected = {QString::fromUtf8("还原(&R)"),   QString::fromUtf8("移动(&M)"),
                                QString::fromUtf8("大小(&S)"),   QString::fromUtf8("最小化(&N)"),
                                QString::fromUtf8("最大化(&X)"), QStringLiteral("-"),
                                QString::fromUtf8("关闭(&C)"),   QStringLiteral("-"),
                                QString::fromUtf8("保存到文件(&S)...\tCtrl+S"),
                                QString::fromUtf8("从文件读入(&O)...\tCtrl+O"),
                                QStringLiteral("-"),
                                QString::fromUtf8("关于 zentor(&A)...")};
  EXPECT_EQ(MenuTexts(menu), expected);
  const QList<QAction *> actions = menu->actions();
  EXPECT_FALSE(actions[0]->isEnabled());  // restore: the window is not minimised
  EXPECT_TRUE(actions[1]->isEnabled());
  EXPECT_FALSE(actions[2]->isEnabled());  // size: fixed
  EXPECT_TRUE(actions[3]->isEnabled());
  EXPECT_FALSE(actions[4]->isEnabled());  // maximise: no maximise box
  EXPECT_TRUE(actions[6]->isEnabled());
  QTest::keyClick(menu, Qt::Key_Escape);
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(EditorTest, TheAboutItemOpensTheAboutBoxAndEnterEndsIt) {
  QString caption;
  QStringList labels;
  ModalResponder responder([&](QWidget *modal) {
    caption = modal->windowTitle();
    for (const QLabel *label : modal->findChildren<QLabel *>()) {
      labels << label->text();
    }
    EXPECT_NE(qobject_cast<CAboutBox *>(modal), nullptr);
    EXPECT_EQ(modal->parentWidget(), dialog.get());
    QTest::keyClick(modal, Qt::Key_Return);
  });
  QTest::keyClick(Edit(ControlId::BAND_EDIT), Qt::Key_Space, Qt::AltModifier);
  ASSERT_NE(OpenMenu(), nullptr);
  QTest::keyClick(OpenMenu(), Qt::Key_A);  // the item's mnemonic
  EXPECT_TRUE(responder.Responded());
  EXPECT_EQ(caption, QString::fromUtf8("关于 zentor"));
  EXPECT_TRUE(labels.contains(QString::fromUtf8("zentor 1.0 版")));
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(EditorTest, EscAndTheOkButtonEndTheAboutBoxToo) {
  for (const bool useEsc : {true, false}) {
    CAboutBox about(dialog.get());
    ModalResponder responder([useEsc](QWidget *modal) {
      if (useEsc) {
        QTest::keyClick(modal, Qt::Key_Escape);
      } else {
        QTest::mouseClick(modal->findChild<QPushButton *>(), Qt::LeftButton);
      }
    });
    about.exec();
    EXPECT_TRUE(responder.Responded());
    EXPECT_EQ(about.findChild<QPushButton *>()->text(), QString::fromUtf8("确定"));
    EXPECT_TRUE(about.findChild<QPushButton *>()->isDefault());
  }
}

TEST_F(EditorTest, ARightClickOnTheBackgroundOpensTheSystemMenuButNotOnAList) {
  QWidget *list = List(ControlId::CHANNEL_LIST)->viewport();
  QContextMenuEvent onList(QContextMenuEvent::Mouse, QPoint(5, 5), list->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(list, &onList);
  EXPECT_EQ(OpenMenu(), nullptr);

  const QPoint background(3, dialog->height() - 3);
  ASSERT_EQ(dialog->childAt(background), nullptr);
  QContextMenuEvent onBackground(QContextMenuEvent::Mouse, background, dialog->mapToGlobal(background));
  QApplication::sendEvent(dialog.get(), &onBackground);
  ASSERT_NE(OpenMenu(), nullptr);
  OpenMenu()->close();
}

TEST_F(EditorTest, TheMenusCloseItemGoesThroughOnClose) {
  dialog->SetTimer(1, 60000);
  QTest::keyClick(Edit(ControlId::BAND_EDIT), Qt::Key_Space, Qt::AltModifier);
  ASSERT_NE(OpenMenu(), nullptr);
  QTest::keyClick(OpenMenu(), Qt::Key_C);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_FALSE(dialog->IsTimerRunning(1));
}

TEST_F(EditorTest, AltF4IsACloseRequest) {
  dialog->SetTimer(2, 60000);
  QTest::keyClick(List(ControlId::SQUELCH_LIST), Qt::Key_F4, Qt::AltModifier);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_FALSE(dialog->IsTimerRunning(2));
}

TEST_F(EditorTest, TheMenuMinimisesAndThenOffersToRestore) {
  QTest::keyClick(Edit(ControlId::BAND_EDIT), Qt::Key_Space, Qt::AltModifier);
  ASSERT_NE(OpenMenu(), nullptr);
  QTest::keyClick(OpenMenu(), Qt::Key_N);
  EXPECT_TRUE(QTest::qWaitFor([this] { return dialog->isMinimized(); }, 5000));

  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 3), dialog->mapToGlobal(QPoint(3, 3)));
  QApplication::sendEvent(dialog.get(), &click);
  QMenu *menu = dialog->findChild<QMenu *>();
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->actions()[0]->isEnabled());   // restore
  EXPECT_FALSE(menu->actions()[3]->isEnabled());  // minimise
  menu->actions()[0]->trigger();
  EXPECT_TRUE(QTest::qWaitFor([this] { return !dialog->isMinimized(); }, 5000));
  menu->close();
}

TEST_F(EditorTest, DoModalReturnsWhenEscEndsTheRun) {
  CProgrammerDlg modal;
  modal.SetMessageSink(&sink);
  QTimer::singleShot(0, &modal, [&modal] { QTest::keyClick(&modal, Qt::Key_Escape); });
  EXPECT_EQ(modal.DoModal(), QDialog::Rejected);
  EXPECT_EQ(modal.windowTitle(), QString::fromUtf8("VarnikZENTOR写频软件"));
}

TEST_F(EditorTest, TheRealMessageBoxIsModalWarningOkOnlyAndReturnsFocusToTheEdit) {
  dialog->SetMessageSink(nullptr);
  QString text;
  QString caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  bool editorBlocked = false;
  ModalResponder responder([&](QWidget *modal) {
    auto *box = qobject_cast<QMessageBox *>(modal);
    ASSERT_NE(box, nullptr);
    text = box->text();
    caption = box->windowTitle();
    icon = box->icon();
    buttons = box->standardButtons();
    editorBlocked = box->isModal() && box->parentWidget() == dialog.get();
    QTest::keyClick(box, Qt::Key_Return);
  });
  TypeOver(ControlId::RX_FREQUENCY_EDIT, QStringLiteral("q"));
  ASSERT_TRUE(responder.Responded());
  EXPECT_EQ(text, QString::fromUtf8("请键入一个数。"));
  EXPECT_EQ(caption, QStringLiteral("ui_tests"));
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_TRUE(editorBlocked);
  // The window manager gives the editor back its activation; the offscreen platform does not.
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  EXPECT_EQ(QApplication::focusWidget(), Edit(ControlId::RX_FREQUENCY_EDIT));
  EXPECT_EQ(Edit(ControlId::RX_FREQUENCY_EDIT)->selectedText(), QStringLiteral("q"));
}
