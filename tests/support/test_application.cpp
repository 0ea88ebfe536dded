// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_application.h"

#include <QApplication>

QApplication &TestApplication() {
  static int argc = 1;
  static char name[] = "ui_tests";
  static char *argv[] = {name, nullptr};
  // Never destroyed: widgets of a failed test may outlive the test body.
  static QApplication *application = new QApplication(argc, argv);
  return *application;
}
