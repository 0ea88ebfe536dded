// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object: starts the editor window and ends the program when it closes.

class CProgrammerDlg;

class CProgrammerApp {
 public:
  // Runs the editor dialog modally until it ends; false, so that no message loop of the
  // application's own follows.
  bool InitInstance();

  // The editor while it runs, nullptr before and after.
  CProgrammerDlg *MainWindow() const { return mainWindow_; }

 private:
  CProgrammerDlg *mainWindow_ = nullptr;
};
