// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the editor's messages go. The program shows each as a modal message box with only an
// OK button and the exclamation icon, captioned with the application name, and waits until the
// user confirms it; tests put a recorder in its place.

#include <QString>

class QWidget;

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Returns once the user has confirmed the message.
  virtual void ShowMessage(const QString &text) = 0;
};

class MessageBoxSink final : public MessageSink {
 public:
  explicit MessageBoxSink(QWidget *owner);
  void ShowMessage(const QString &text) override;

 private:
  QWidget *owner_;
};
