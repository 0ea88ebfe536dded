// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers every file dialog of the window with one path, and counts the questions.

#include <QString>

#include "file_chooser.h"

class FixedFileChooser : public FileChooser {
 public:
  QString SaveFileName(const QString &, const QString &, const QString &) override {
    ++asked;
    return path;
  }
  QString OpenFileName(const QString &, const QString &) override {
    ++asked;
    return path;
  }
  QString path;
  int asked = 0;
};
