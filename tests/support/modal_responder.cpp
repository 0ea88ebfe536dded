// SPDX-License-Identifier: GPL-3.0-or-later
#include "modal_responder.h"

#include <QApplication>
#include <utility>

ModalResponder::ModalResponder(std::function<void(QWidget *)> respond)
    : respond_(std::move(respond)) {
  poll_.setInterval(5);
  QObject::connect(&poll_, &QTimer::timeout, [this] {
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || responded_) {
      return;
    }
    responded_ = true;
    poll_.stop();
    respond_(modal);
  });
  poll_.start();
}

ModalResponder::~ModalResponder() { poll_.stop(); }
