// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A shown editor window with a message recorder in place of the modal box, and the real
// mouse and keyboard input that the tests drive it with.

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "dialog_template.h"
#include "list_box.h"
#include "message_sink.h"
#include "programmer_dlg.h"

class RecordingMessageSink : public MessageSink {
 public:
  void ShowMessage(const QString &text) override {
    messages.push_back(text);
    if (whileShown) {
      whileShown();
    }
  }
  std::vector<QString> messages;
  std::function<void()> whileShown;  // runs as if inside the message's modal loop
};

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  QLineEdit *Edit(int id) const;
  ListBox *List(int id) const;
  QPushButton *Button(int id) const;
  QWidget *FocusedControl() const;  // the dialog's focus widget

  // The user selects the whole text of the edit (Ctrl+A) and types `text` key by key.
  void TypeOver(int editId, const QString &text);
  // The user types `text` key by key at the caret.
  void Type(int editId, const QString &text);
  // The user pastes `text` over the whole content of the edit (Ctrl+A, Ctrl+V).
  void PasteOver(int editId, const QString &text);
  // The user clicks entry `row` of a list, scrolled into view first.
  void ClickEntry(int listId, int row);
  void ClickButton(int buttonId);

  // Puts bytes into record `channel` of the image, then the user selects that channel: the
  // way a channel read from the radio reaches the screen.
  void ShowRecord(int channel, const std::vector<std::uint8_t> &record);

  std::unique_ptr<CProgrammerDlg> dialog;
  RecordingMessageSink sink;
};
