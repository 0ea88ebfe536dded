// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr mode_t OWNER_ONLY = 0700;

std::string Variable(const char *name) {
  const char *value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// Every missing folder on the way is made for its owner alone, as the XDG rules ask.
bool MakeFolders(const std::string &folder, std::string &error) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string step = folder.substr(0, slash);
    if (::mkdir(step.c_str(), OWNER_ONLY) != 0 && errno != EEXIST) {
      const int failure = errno;
      error = "cannot make the folder " + step + ": " + std::strerror(failure);
      return false;
    }
    if (slash == std::string::npos) return true;
  }
}

}  // namespace

std::string HistoryFolder() {
  // The generic location, not the application's: the window and zentor-cli share one history.
  // A relative XDG_DATA_HOME is to be ignored; so is a relative HOME, which leads nowhere fixed.
  std::string data = Variable("XDG_DATA_HOME");
  if (data.empty() || data.front() != '/') {
    const std::string home = Variable("HOME");
    if (home.empty() || home.front() != '/') return std::string();
    data = home + "/.local/share";
  }
  return data + "/zentor/history";
}

bool HistoryEnabled() {
  return QString::fromLocal8Bit(qgetenv("ZENTOR_HISTORY")).trimmed().compare(QStringLiteral("off"), Qt::CaseInsensitive) != 0;
}

bool OwnHistoryFolder(const std::string &folder, bool make, std::string &error) {
  struct stat status {};
  if (::stat(folder.c_str(), &status) != 0) {
    const int failure = errno;
    if (failure == ENOENT && !make) return true;
    if (failure != ENOENT) {
      error = "cannot look into " + folder + ": " + std::strerror(failure);
      return false;
    }
    if (!MakeFolders(folder, error)) return false;
    if (::stat(folder.c_str(), &status) != 0) {
      const int gone = errno;
      error = "cannot make the folder " + folder + ": " + std::strerror(gone);
      return false;
    }
  }
  if (!S_ISDIR(status.st_mode)) {
    error = "cannot make the folder " + folder + ": " + std::strerror(ENOTDIR);
    return false;
  }
  // The channels of every radio programmed on this account: for its owner's eyes only. Another
  // user's folder could hand this one images to write into a radio, or take its customers'.
  if (status.st_uid != ::geteuid()) {
    error = "the folder " + folder + " belongs to another user (uid " + std::to_string(status.st_uid) +
            "), so it is not used";
    return false;
  }
  if ((status.st_mode & 07777) != OWNER_ONLY && ::chmod(folder.c_str(), OWNER_ONLY) != 0) {
    const int failure = errno;
    error = "cannot make " + folder + " private: " + std::strerror(failure);
    return false;
  }
  return true;
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
    // The link's own status: a link planted under a history name is no event and is never read.
    std::error_code typeFailure;
    if (name && item->symlink_status(typeFailure).type() == fs::file_type::regular) {
      entries.push_back({item->path().string(), std::move(*name)});
    }
  }
  if (failure) {
    error = "cannot list " + folder + ": " + failure.message();
    return false;
  }
  // By the time of each event, not by the text of its name: names of local time (from earlier
  // versions) and of UTC sort together, across changes of time zone.
  std::sort(entries.begin(), entries.end(), [](const HistoryEntry &a, const HistoryEntry &b) {
    return a.name.utcMilliseconds != b.name.utcMilliseconds ? a.name.utcMilliseconds < b.name.utcMilliseconds
                                                            : a.path < b.path;
  });
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
