// SPDX-License-Identifier: GPL-3.0-or-later
// Part of every test program: before anything runs, the configuration, data, cache and state
// folders move to a scratch folder of the program's own, so that neither a test nor a program it
// starts writes into the home of whoever runs the tests (Qt's file dialogs keep their sidebar in
// the configuration folder). The history starts off; scratch_history.h switches it on.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class ScratchHome {
 public:
  ScratchHome() {
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp == '/' ? tmp : "/tmp") + "/zentor-test-home-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
      std::abort();  // no test may run against the real home
    }
    folder_ = pattern;
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
      const std::string path = folder_ + "/" + name;
      std::filesystem::create_directory(path);
      setenv(name, path.c_str(), 1);
    }
    setenv("ZENTOR_HISTORY", "off", 1);
  }
  ~ScratchHome() {
    if (getpid() == creator_) {  // a forked child that exits leaves the folder to its parent
      std::error_code ignored;
      std::filesystem::remove_all(folder_, ignored);
    }
  }
  ScratchHome(const ScratchHome &) = delete;
  ScratchHome &operator=(const ScratchHome &) = delete;

 private:
  pid_t creator_ = getpid();
  std::string folder_;
};

const ScratchHome scratchHome;

}  // namespace
