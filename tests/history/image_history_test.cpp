// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <sstream>

#include "history_folder.h"
#include "image_history.h"
#include "scratch_history.h"

namespace {

ChannelImage ImageOf(std::uint8_t fill) {
  ChannelImage image;
  image.bytes.fill(fill);
  return image;
}

TEST(ImageHistory, ARepeatSharesItsFileAndOffKeepsNothing) {
  ScratchHistory history;
  std::ostringstream diagnostics;
  KeepInHistory(HistoryKind::READ, "/dev/ttyUSB0", ImageOf(1), diagnostics);
  KeepInHistory(HistoryKind::READ, "/dev/ttyUSB0", ImageOf(1), diagnostics);
  KeepInHistory(HistoryKind::WRITE, "/dev/ttyUSB0", ImageOf(1), diagnostics);
  setenv("ZENTOR_HISTORY", "OFF", 1);
  KeepInHistory(HistoryKind::READ, "/dev/ttyUSB0", ImageOf(2), diagnostics);
  const std::vector<std::string> names = history.Names();
  ASSERT_EQ(names.size(), 2u);
  EXPECT_NE(names[1].find("-write-ttyUSB0.img"), std::string::npos) << names[1];
  EXPECT_EQ(diagnostics.str(), "");
}

TEST(ImageHistory, PruningKeepsTheNewestAndLeavesOtherFilesAlone) {
  ScratchHistory history;
  ASSERT_TRUE(std::filesystem::create_directories(history.Folder()));
  const auto name = [](int second) {
    return HistoryFileName("2026-01-01T00-00-0" + std::to_string(second) + ".000", HistoryKind::READ, "ttyS0");
  };
  for (const std::string &file : {name(3), name(1), name(4), name(0), name(2), std::string("notes.txt")}) {
    ASSERT_TRUE(std::ofstream(history.File(file)).good());
  }
  std::string error;
  ASSERT_TRUE(PruneHistory(history.Folder(), 3, error)) << error;
  EXPECT_EQ(history.Names(), (std::vector<std::string>{name(2), name(3), name(4), "notes.txt"}));
}

std::vector<std::string> ListedNames(const std::string &folder) {
  std::vector<HistoryEntry> entries;
  std::string error;
  EXPECT_TRUE(ListHistory(folder, entries, error)) << error;
  std::vector<std::string> names;
  for (const HistoryEntry &entry : entries) names.push_back(entry.path.substr(folder.size() + 1));
  return names;
}

// An environment variable as it was before the test, put back at its end.
class SavedVariable {
 public:
  explicit SavedVariable(const char *name) : name_(name), set_(std::getenv(name) != nullptr) {
    if (set_) value_ = std::getenv(name);
  }
  ~SavedVariable() {
    set_ ? setenv(name_, value_.c_str(), 1) : unsetenv(name_);
    ::tzset();
  }

 private:
  const char *name_;
  bool set_;
  std::string value_;
};

void SetTimeZone(const char *zone) {
  setenv("TZ", zone, 1);
  ::tzset();
}

// Ten hours east, then ten hours west: the second read is the newer one all the same, and a name
// of local time from an earlier version sorts by the moment it stands for.
TEST(ImageHistory, EventsAreOrderedByTheirMomentAcrossTimeZones) {
  ScratchHistory history;
  const SavedVariable zone("TZ");
  std::ostringstream diagnostics;
  SetTimeZone("EAST-10");
  KeepInHistory(HistoryKind::READ, "/dev/ttyUSB0", ImageOf(1), diagnostics);
  SetTimeZone("WEST+10");
  KeepInHistory(HistoryKind::READ, "/dev/ttyUSB0", ImageOf(2), diagnostics);
  SetTimeZone("EAST-10");
  const std::string localTen = "2020-01-01T10-00-00.000-read-ttyS0.img";  // 00:00 UTC
  const std::string utcFive = "2020-01-01T05-00-00.000Z-read-ttyS0.img";
  for (const std::string &name : {localTen, utcFive}) ASSERT_TRUE(std::ofstream(history.File(name)).good());
  std::vector<std::string> names = ListedNames(history.Folder());
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(names[0], localTen);
  EXPECT_EQ(names[1], utcFive);
  EXPECT_EQ(ReadWholeFile(history.File(names[3])), std::vector<unsigned char>(IMAGE_SIZE, 2));
  std::string error;
  ASSERT_TRUE(PruneHistory(history.Folder(), 3, error)) << error;
  EXPECT_EQ(ListedNames(history.Folder())[0], utcFive);
  EXPECT_EQ(diagnostics.str(), "");
}

// Links planted under the names of the next seconds, and a newest one leading out of the folder:
// nothing is written through them, none is listed, and the open folder is made private.
TEST(ImageHistory, LinksInTheFolderAreNeverFollowed) {
  ScratchHistory history;
  TempDir outside;
  ASSERT_TRUE(std::filesystem::create_directories(history.Folder()));
  ASSERT_EQ(::chmod(history.Folder().c_str(), 0755), 0);
  const std::int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::system_clock::now().time_since_epoch()).count();
  for (std::int64_t when = now; when < now + 1000; ++when) {
    const std::string name = HistoryFileName(HistoryStamp(when), HistoryKind::READ, "/dev/ttyUSB0");
    std::filesystem::create_symlink(outside.File(std::to_string(when)), history.File(name));
  }
  ASSERT_TRUE(WriteWholeFile(outside.File("planted.img"), std::vector<unsigned char>(IMAGE_SIZE, 1)));
  std::filesystem::create_symlink(outside.File("planted.img"),
                                  history.File("2999-01-01T00-00-00.000Z-read-ttyUSB0.img"));
  std::ostringstream diagnostics;
  KeepInHistory(HistoryKind::READ, "/dev/ttyUSB0", ImageOf(1), diagnostics);
  EXPECT_EQ(diagnostics.str(), "");
  const std::vector<std::string> names = ListedNames(history.Folder());
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(ReadWholeFile(history.File(names[0])), std::vector<unsigned char>(IMAGE_SIZE, 1));
  std::vector<std::string> outsideNames;
  for (const auto &item : std::filesystem::directory_iterator(outside.Path())) {
    outsideNames.push_back(item.path().filename());
  }
  EXPECT_EQ(outsideNames, std::vector<std::string>{"planted.img"});
  struct stat status {};
  ASSERT_EQ(::stat(history.Folder().c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0700u);
}

TEST(ImageHistory, AFolderOfAnotherUserIsNotUsed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give the folder to another user";
  ScratchHistory history;
  ASSERT_TRUE(std::filesystem::create_directories(history.Folder()));
  ASSERT_EQ(::chown(history.Folder().c_str(), 4242, 4242), 0);
  std::ostringstream diagnostics;
  KeepInHistory(HistoryKind::READ, "/dev/ttyUSB0", ImageOf(1), diagnostics);
  EXPECT_EQ(history.Names(), std::vector<std::string>{});
  EXPECT_EQ(diagnostics.str(), "zentor: history: read not kept: the folder " + history.Folder() +
                                   " belongs to another user (uid 4242), so it is not used\n");
}

// As the XDG Base Directory rules say, and as the bytes of the environment stand.
TEST(HistoryFolder, ComesFromTheEnvironmentsBytes) {
  const SavedVariable home("HOME");
  const SavedVariable dataHome("XDG_DATA_HOME");
  const struct {
    const char *dataHome;
    const char *home;
    std::string folder;
  } cases[] = {
      {"/data/\xd6\xd0\x1b", "/home/u", "/data/\xd6\xd0\x1b/zentor/history"},
      {"relative/data", "/home/u", "/home/u/.local/share/zentor/history"},
      {nullptr, "/home/u", "/home/u/.local/share/zentor/history"},
      {"relative/data", nullptr, ""},
      {nullptr, "", ""},
  };
  for (const auto &c : cases) {
    c.dataHome == nullptr ? unsetenv("XDG_DATA_HOME") : setenv("XDG_DATA_HOME", c.dataHome, 1);
    c.home == nullptr ? unsetenv("HOME") : setenv("HOME", c.home, 1);
    EXPECT_EQ(HistoryFolder(), c.folder) << (c.dataHome ? c.dataHome : "-") << " " << (c.home ? c.home : "-");
  }
  std::ostringstream diagnostics;
  unsetenv("ZENTOR_HISTORY");
  KeepInHistory(HistoryKind::READ, "/dev/ttyUSB0", ImageOf(1), diagnostics);
  setenv("ZENTOR_HISTORY", "off", 1);
  EXPECT_EQ(diagnostics.str(), std::string("zentor: history: read not kept: ") + NO_DATA_FOLDER + "\n");
}

}  // namespace
