// SPDX-License-Identifier: GPL-3.0-or-later
// Image files: the radio's 187 bytes saved to a file and opened again, from the system menu or
// with Ctrl+S and Ctrl+O. The window's controls and transfers are untouched by them.

#include <QFile>
#include <cstring>
#include <iostream>
#include <string>

#include "diagnostic_line.h"
#include "dialog_texts.h"
#include "image_file.h"
#include "programmer_dlg.h"
#include "system_menu.h"

namespace {

std::string LocalPath(const QString &path) { return QFile::encodeName(path).toStdString(); }

// A fixed text, then the system's reason (in the user's language where the C library has it)
// on a line of its own. A file refused for what it is (a FIFO, a device) has no such reason.
std::string WithReason(const char *text, const FileError &error) {
  return error.systemError == 0 ? std::string(text) : std::string(text) + "\n" + std::strerror(error.systemError);
}

}  // namespace

void CProgrammerDlg::AppendFileCommandsToSystemMenu() {
  systemMenu_->AppendSeparator();
  systemMenu_->AppendItem(IDM_SAVE_TO_FILE, QString::fromUtf8(SAVE_FILE_MENU_TEXT));
  systemMenu_->AppendItem(IDM_OPEN_FROM_FILE, QString::fromUtf8(OPEN_FILE_MENU_TEXT));
}

void CProgrammerDlg::OnSaveToFile() {
  const QString path = files_->SaveFileName(QString::fromUtf8(SAVE_FILE_CAPTION),
                                            QString::fromUtf8(IMAGE_FILE_FILTER),
                                            QString::fromUtf8(IMAGE_FILE_SUFFIX));
  if (path.isEmpty()) {
    return;
  }
  // The channel on screen goes into the image first, as a change of channel stores it. While a
  // transfer runs this is as harmless as such a change: a read replaces the whole image when it
  // ends, and a write has already copied its frame.
  StoreWorkingChannel(state_);
  FileError error;
  if (!WriteImageFile(LocalPath(path), state_.image, error)) {
    ShowMessage(WithReason(MSG_SAVE_FILE_FAILED, error));
  } else if (!error.warning.empty()) {
    // Saved, but not quite as the file it replaced (its owner, group or permission bits).
    WriteDiagnosticLine(std::cerr, error.warning);
  }
}

void CProgrammerDlg::OnOpenFromFile() {
  if (transfers_.linkState() != LinkState::Idle) {
    return;
  }
  const QString path =
      files_->OpenFileName(QString::fromUtf8(OPEN_FILE_CAPTION), QString::fromUtf8(IMAGE_FILE_FILTER));
  if (path.isEmpty()) {
    return;
  }
  ChannelImage image;
  FileError error;
  if (!ReadImageFile(LocalPath(path), image, error)) {
    ShowMessage(error.problem == FileProblem::WRONG_SIZE ? std::string(MSG_OPEN_FILE_WRONG_SIZE)
                                                         : WithReason(MSG_OPEN_FILE_FAILED, error));
    return;
  }
  transfers_.TakeImage(image);
}
