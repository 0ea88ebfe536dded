// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box, template 100: the icon, the version line, the maker's notice and "确定".
// It has no state; Enter, Esc, "确定" and its close box end it.

#include <QDialog>

class CAboutBox : public QDialog {
  Q_OBJECT

 public:
  // The editor window is the owner, so the box is centred over it and blocks it while open.
  explicit CAboutBox(QWidget *owner);
};
