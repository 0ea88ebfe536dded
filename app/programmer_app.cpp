// SPDX-License-Identifier: GPL-3.0-or-later
#include "programmer_app.h"

#include "programmer_dlg.h"

bool CProgrammerApp::InitInstance() {
  CProgrammerDlg dialog;
  mainWindow_ = &dialog;
  dialog.DoModal();  // its end code tells nothing the program acts on
  mainWindow_ = nullptr;
  return false;
}
