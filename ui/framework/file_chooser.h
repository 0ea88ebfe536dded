// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asks the user for a file to save to or to open, with Qt's own file dialog (in the language of
// the installed Qt translation); tests put a chooser of their own in its place.

#include <QString>

class QWidget;

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen path, or an empty string when the user cancelled. `filter` as QFileDialog's
  // name filters; `defaultSuffix` is appended to a saved name typed without one.
  virtual QString SaveFileName(const QString &caption, const QString &filter,
                               const QString &defaultSuffix) = 0;
  virtual QString OpenFileName(const QString &caption, const QString &filter) = 0;
};

class FileDialogChooser final : public FileChooser {
 public:
  explicit FileDialogChooser(QWidget *owner);
  QString SaveFileName(const QString &caption, const QString &filter,
                       const QString &defaultSuffix) override;
  QString OpenFileName(const QString &caption, const QString &filter) override;

 private:
  QWidget *owner_;
};
