// SPDX-License-Identifier: GPL-3.0-or-later
// zentor: the channel programmer. No command line and no settings: every run starts from the
// built-in defaults. The application name, the caption of every message box, stays the
// executable's base name, as Qt takes it by default.

#include <QApplication>

#include "programmer_app.h"
#include "qt_translation.h"

namespace {

CProgrammerApp theApp;

}  // namespace

int main(int argc, char **argv) {
  QApplication application(argc, argv);
  InstallQtTranslation(application);
  theApp.InitInstance();
  return 0;
}
