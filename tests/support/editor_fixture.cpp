// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <algorithm>

#include "test_application.h"

void EditorTest::SetUp() {
  TestApplication();
  dialog = std::make_unique<CProgrammerDlg>();
  dialog->SetMessageSink(&sink);
  dialog->Create();
  dialog->show();
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
}

void EditorTest::TearDown() {
  dialog.reset();
}

QLineEdit *EditorTest::Edit(int id) const { return qobject_cast<QLineEdit *>(dialog->Control(id)); }

ListBox *EditorTest::List(int id) const { return qobject_cast<ListBox *>(dialog->Control(id)); }

QPushButton *EditorTest::Button(int id) const {
  return qobject_cast<QPushButton *>(dialog->Control(id));
}

QWidget *EditorTest::FocusedControl() const { return dialog->focusWidget(); }

void EditorTest::TypeOver(int editId, const QString &text) {
  QTest::keyClick(Edit(editId), Qt::Key_A, Qt::ControlModifier);
  Type(editId, text);
}

void EditorTest::Type(int editId, const QString &text) { QTest::keyClicks(Edit(editId), text); }

void EditorTest::PasteOver(int editId, const QString &text) {
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(Edit(editId), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(Edit(editId), Qt::Key_V, Qt::ControlModifier);
}

void EditorTest::ClickEntry(int listId, int row) {
  ListBox *list = List(listId);
  ASSERT_NE(list->item(row), nullptr) << "list " << listId << " has no entry " << row;
  list->scrollToItem(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                    list->visualItemRect(list->item(row)).center());
}

void EditorTest::ClickButton(int buttonId) { QTest::mouseClick(Button(buttonId), Qt::LeftButton); }

void EditorTest::ShowRecord(int channel, const std::vector<std::uint8_t> &record) {
  ASSERT_EQ(record.size(), RECORD_SIZE);
  // Leaving a channel stores it: step off the channel first when it is the one on screen.
  if (dialog->State().currentChannel == channel) {
    ClickEntry(ControlId::CHANNEL_LIST, channel == 0 ? 1 : 0);
  }
  std::copy(record.begin(), record.end(),
            dialog->State().image.Record(static_cast<std::size_t>(channel)));
  ClickEntry(ControlId::CHANNEL_LIST, channel);
}
