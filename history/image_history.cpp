// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_history.h"

#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string_view>
#include <vector>

#include "diagnostic_line.h"
#include "history_folder.h"
#include "image_file.h"

namespace {

std::int64_t Now() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
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

// Events in the same millisecond as the newest, or a moment after a small step back of the
// clock, go after it, so that the history's order stays the order they happened in. A clock put
// back further (from a wrong time) is taken as it is.
constexpr std::int64_t CLOCK_STEP_TOLERATED_MS = 1000;

std::int64_t StampAfterNewest(const std::vector<HistoryEntry> &entries, std::int64_t now) {
  if (entries.empty()) return now;
  const std::int64_t newest = entries.back().name.utcMilliseconds;
  return newest >= now && newest - now < CLOCK_STEP_TOLERATED_MS ? newest + 1 : now;
}

// Puts the event under the first free name from `when` on: two events within one millisecond
// get stamps a millisecond apart. No name is ever replaced, nor a link planted under one
// followed, so nothing is written outside the folder.
bool KeepUnderNewName(const std::string &folder, std::int64_t when, HistoryKind kind,
                      const std::string &devicePath, const std::string &repeated, const ChannelImage &image,
                      std::string &error) {
  const std::string_view bytes(reinterpret_cast<const char *>(image.bytes.data()), image.bytes.size());
  for (;; ++when) {
    const std::string path = folder + "/" + HistoryFileName(HistoryStamp(when), kind, devicePath);
    // Taken names are passed by cheaply; a name taken after this look is refused below.
    if (struct stat status {}; ::lstat(path.c_str(), &status) == 0) continue;
    if (repeated.empty()) {
      FileError written;
      if (CreateRegularFile(path, bytes, written)) return true;
      if (written.systemError == EEXIST) continue;
      error = written.text;
      return false;
    }
    if (RenameWithoutReplacing(repeated, path)) return true;
    const int failure = errno;
    if (failure == EEXIST) continue;
    // Gone: another program keeping the same event at the same time has renamed it already.
    if (failure == ENOENT) return true;
    error = "cannot rename " + repeated + ": " + std::strerror(failure);
    return false;
  }
}

bool Keep(HistoryKind kind, const std::string &devicePath, const ChannelImage &image, std::string &error) {
  const std::string folder = HistoryFolder();
  if (folder.empty()) {
    error = NO_DATA_FOLDER;
    return false;
  }
  std::vector<HistoryEntry> entries;
  if (!OwnHistoryFolder(folder, true, error) || !ListHistory(folder, entries, error)) return false;
  // One file for the repeats, named after the latest, so the listing shows when it last happened.
  const std::string repeated = RepeatsNewest(entries, kind, devicePath, image) ? entries.back().path : std::string();
  if (!KeepUnderNewName(folder, StampAfterNewest(entries, Now()), kind, devicePath, repeated, image, error)) {
    return false;
  }
  return !repeated.empty() || entries.size() < HISTORY_LIMIT || PruneHistory(folder, HISTORY_LIMIT, error);
}

}  // namespace

void KeepInHistory(HistoryKind kind, const std::string &devicePath, const ChannelImage &image,
                   std::ostream &diagnostics) {
  if (!HistoryEnabled()) return;
  std::string error;
  if (Keep(kind, devicePath, image, error)) return;
  WriteDiagnosticLine(diagnostics, std::string("history: ") + HistoryKindName(kind) + " not kept: " + error);
}
