// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_history.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <filesystem>
#include <system_error>
#include <vector>

#include "history_folder.h"
#include "image_file.h"

namespace fs = std::filesystem;

namespace {

std::string Stamp(const QDateTime &when) {
  return when.toString(QStringLiteral("yyyy-MM-dd'T'HH-mm-ss.zzz")).toStdString();
}

// A name no file has yet: two events within one millisecond get stamps a millisecond apart.
std::string FreePath(const std::string &folder, QDateTime when, HistoryKind kind, const std::string &devicePath) {
  for (;;) {
    const std::string path = folder + "/" + HistoryFileName(Stamp(when), kind, devicePath);
    std::error_code failure;
    if (!fs::exists(path, failure)) return path;
    when = when.addMSecs(1);
  }
}

// True when the newest event is this one again: the same kind, device and bytes.
bool RepeatsNewest(const std::vector<HistoryEntry> &entries, HistoryKind kind,
                   const std::string &devicePath, const ChannelImage &image) {
  if (entries.empty()) return false;
  const HistoryEntry &newest = entries.back();
  if (newest.name.kind != kind || newest.name.device != DeviceLabel(devicePath)) return false;
  ChannelImage held;
  FileError ignored;
  return ReadImageFile(newest.path, held, ignored) && held.bytes == image.bytes;
}

bool Keep(HistoryKind kind, const std::string &devicePath, const ChannelImage &image, std::string &error) {
  const std::string folder = HistoryFolder();
  if (folder.empty()) {
    error = "no data folder: neither XDG_DATA_HOME nor HOME is set";
    return false;
  }
  std::error_code failure;
  // The channels of every radio programmed on this account: for its owner's eyes only.
  if (fs::create_directories(folder, failure)) {
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, ignored);
  }
  if (failure) {
    error = "cannot make the folder " + folder + ": " + failure.message();
    return false;
  }
  std::vector<HistoryEntry> entries;
  if (!ListHistory(folder, entries, error)) return false;

  const std::string path = FreePath(folder, QDateTime::currentDateTime(), kind, devicePath);
  if (RepeatsNewest(entries, kind, devicePath, image)) {
    // One file for the repeats, named after the latest, so the listing shows when it last happened.
    fs::rename(entries.back().path, path, failure);
    if (failure) error = "cannot rename " + entries.back().path + ": " + failure.message();
    return !failure;
  }
  if (FileError written; !WriteImageFile(path, image, written)) {
    error = written.text;
    return false;
  }
  return entries.size() < HISTORY_LIMIT || PruneHistory(folder, HISTORY_LIMIT, error);
}

}  // namespace

void KeepInHistory(HistoryKind kind, const std::string &devicePath, const ChannelImage &image,
                   std::ostream &diagnostics) {
  if (!HistoryEnabled()) return;
  std::string error;
  if (Keep(kind, devicePath, image, error)) return;
  // One line, whatever the folder's name holds.
  for (char &c : error) {
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  }
  const QString program = QCoreApplication::applicationName();
  diagnostics << (program.isEmpty() ? "zentor" : program.toStdString()) << ": history: "
              << HistoryKindName(kind) << " not kept: " << error << std::endl;
}
