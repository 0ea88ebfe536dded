// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the program shows, gathered from the tables and constants that hold them, each
// with the name of its source for failure messages.

#include <QString>
#include <vector>

class QWidget;

struct ProgramText {
  QString source;  // e.g. "MSG_BAND", "EDITOR_CONTROLS[30]"
  QString text;
};

std::vector<ProgramText> ProgramTexts();

// The texts of a window and of every widget and action in it, as they stand.
std::vector<ProgramText> TextsOfWindow(const QWidget &window);
