// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asks the user for a file to save to or to open, with Qt's own file dialog (in the language of
// the installed Qt translation); tests put a chooser of their own in its place.

#include <QString>
#include <QUrl>

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

// A folder the Open dialog lists in its sidebar, after Qt's own places, under a name of its own.
struct SidebarPlace {
  QUrl folder;  // empty: no place of ours
  QString name;
};

class FileDialogChooser final : public FileChooser {
 public:
  explicit FileDialogChooser(QWidget *owner, SidebarPlace place = {});
  QString SaveFileName(const QString &caption, const QString &filter,
                       const QString &defaultSuffix) override;
  QString OpenFileName(const QString &caption, const QString &filter) override;

 private:
  QWidget *owner_;
  SidebarPlace place_;
};
