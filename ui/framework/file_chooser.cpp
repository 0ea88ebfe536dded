// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_chooser.h"

#include <QFileDialog>
#include <QStringList>

#include <utility>

namespace {

QString ChosenFile(QFileDialog &dialog) {
  if (dialog.exec() != QDialog::Accepted) {
    return QString();
  }
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

}  // namespace

FileDialogChooser::FileDialogChooser(QWidget *owner, QList<QUrl> openSidebar)
    : owner_(owner), openSidebar_(std::move(openSidebar)) {}

QString FileDialogChooser::SaveFileName(const QString &caption, const QString &filter,
                                        const QString &defaultSuffix) {
  // An object rather than the static helper: only it appends the suffix. It still asks before
  // replacing an existing file.
  QFileDialog dialog(owner_, caption, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(defaultSuffix);
  return ChosenFile(dialog);
}

QString FileDialogChooser::OpenFileName(const QString &caption, const QString &filter) {
  QFileDialog dialog(owner_, caption, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (!openSidebar_.isEmpty()) {
    dialog.setSidebarUrls(dialog.sidebarUrls() + openSidebar_);
  }
  return ChosenFile(dialog);
}
