// SPDX-License-Identifier: GPL-3.0-or-later
#include "event_loop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "link_tests";
  static char *argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);
}

bool RunEventsUntil(const std::function<bool()> &done, int maxMilliseconds) {
  EnsureApplication();
  const QDeadlineTimer deadline(maxMilliseconds);
  while (!done()) {
    if (deadline.hasExpired()) {
      return done();
    }
    QCoreApplication::processEvents();
    QThread::msleep(1);  // the port works at its own pace; no need to spin a core meanwhile
  }
  return true;
}

void RunEventsFor(int milliseconds) {
  RunEventsUntil([] { return false; }, milliseconds);
}
