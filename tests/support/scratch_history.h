// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The history switched on for one test, in a scratch data folder that every process the test
// starts shares; switched off again at the end.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sim_process.h"

class ScratchHistory {
 public:
  ScratchHistory() {
    setenv("XDG_DATA_HOME", dataHome_.Path().c_str(), 1);
    unsetenv("ZENTOR_HISTORY");
  }
  ~ScratchHistory() {
    setenv("ZENTOR_HISTORY", "off", 1);
    if (programDataHome_.empty()) {
      unsetenv("XDG_DATA_HOME");
    } else {
      setenv("XDG_DATA_HOME", programDataHome_.c_str(), 1);
    }
  }

  std::string Folder() const { return dataHome_.Path() + "/zentor/history"; }
  std::string File(const std::string &name) const { return Folder() + "/" + name; }

  std::vector<std::string> Names() const {  // oldest first
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto &item : std::filesystem::directory_iterator(Folder(), ignored)) {
      names.push_back(item.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // A plain file where the history folder belongs, so that no history can be written.
  bool Block() const {
    std::error_code failed;
    std::filesystem::create_directories(dataHome_.Path() + "/zentor", failed);
    return !failed && std::ofstream(Folder()).good();
  }

 private:
  const char *const programDataHomeSet_ = std::getenv("XDG_DATA_HOME");  // the program's scratch one
  const std::string programDataHome_ = programDataHomeSet_ != nullptr ? programDataHomeSet_ : "";
  TempDir dataHome_;
};
