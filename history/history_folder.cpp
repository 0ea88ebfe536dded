// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_folder.h"

#include <QFile>
#include <QStandardPaths>
#include <QString>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string HistoryFolder() {
  // The generic location, not the application's: the window and zentor-cli share one history.
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (data.isEmpty()) return std::string();
  return QFile::encodeName(data + QStringLiteral("/zentor/history")).toStdString();
}

bool HistoryEnabled() {
  return QString::fromLocal8Bit(qgetenv("ZENTOR_HISTORY")).trimmed().compare(QStringLiteral("off"), Qt::CaseInsensitive) != 0;
}

bool ListHistory(const std::string &folder, std::vector<HistoryEntry> &entries, std::string &error) {
  entries.clear();
  std::error_code failure;
  if (!fs::exists(folder, failure)) {
    if (!failure) return true;
    error = "cannot look into " + folder + ": " + failure.message();
    return false;
  }
  fs::directory_iterator item(folder, failure);
  for (; !failure && item != fs::directory_iterator(); item.increment(failure)) {
    std::optional<HistoryName> name = ParseHistoryFileName(item->path().filename().string());
    std::error_code typeFailure;
    if (name && item->is_regular_file(typeFailure)) {
      entries.push_back({item->path().string(), std::move(*name)});
    }
  }
  if (failure) {
    error = "cannot list " + folder + ": " + failure.message();
    return false;
  }
  // The stamp leads every name and has one length, so the names sort as the times do.
  std::sort(entries.begin(), entries.end(),
            [](const HistoryEntry &a, const HistoryEntry &b) { return a.path < b.path; });
  return true;
}

bool PruneHistory(const std::string &folder, std::size_t keep, std::string &error) {
  std::vector<HistoryEntry> entries;
  if (!ListHistory(folder, entries, error)) return false;
  bool removedAll = true;
  for (std::size_t i = 0; i + keep < entries.size(); ++i) {
    std::error_code failure;
    if (!fs::remove(entries[i].path, failure) && failure && removedAll) {
      error = "cannot remove " + entries[i].path + ": " + failure.message();
      removedAll = false;
    }
  }
  return removedAll;
}
