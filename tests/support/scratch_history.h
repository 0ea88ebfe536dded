// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The history switched on for one test, in a scratch data folder of its own: XDG_DATA_HOME points
// there from construction to destruction, which also covers every process the test starts.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "sim_process.h"

class ScratchHistory {
 public:
  ScratchHistory() {
    if (const char *old = std::getenv("XDG_DATA_HOME")) oldDataHome_ = old;
    setenv("XDG_DATA_HOME", dataHome_.Path().c_str(), 1);
    unsetenv("ZENTOR_HISTORY");
  }
  ~ScratchHistory() {
    setenv("ZENTOR_HISTORY", "off", 1);
    if (oldDataHome_) {
      setenv("XDG_DATA_HOME", oldDataHome_->c_str(), 1);
    } else {
      unsetenv("XDG_DATA_HOME");
    }
  }
  ScratchHistory(const ScratchHistory &) = delete;
  ScratchHistory &operator=(const ScratchHistory &) = delete;

  std::string Folder() const { return dataHome_.Path() + "/zentor/history"; }
  std::string File(const std::string &name) const { return Folder() + "/" + name; }

  // The names in the history folder, sorted: oldest first.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto &item : std::filesystem::directory_iterator(Folder(), ignored)) {
      names.push_back(item.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // A plain file where the history folder belongs: the history cannot be written.
  bool Block() const {
    std::error_code failed;
    std::filesystem::create_directories(dataHome_.Path() + "/zentor", failed);
    return !failed && static_cast<bool>(std::ofstream(Folder()) << "not a folder");
  }

 private:
  TempDir dataHome_;
  std::optional<std::string> oldDataHome_;
};
