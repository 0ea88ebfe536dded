// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers the next modal window that opens (a message box, the About box) from inside its own
// event loop, the way a user would, so that a test can run code that waits in such a loop.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

class ModalResponder {
 public:
  // `respond` gets the modal window once it is active; it must end it.
  explicit ModalResponder(std::function<void(QWidget *)> respond);
  ~ModalResponder();
  ModalResponder(const ModalResponder &) = delete;
  ModalResponder &operator=(const ModalResponder &) = delete;

  bool Responded() const { return responded_; }

 private:
  std::function<void(QWidget *)> respond_;
  QTimer poll_;
  bool responded_ = false;
};
