// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <sstream>

#include "history_folder.h"
#include "image_file.h"
#include "image_history.h"
#include "scratch_history.h"

namespace {

ChannelImage ImageOf(std::uint8_t fill) {
  ChannelImage image;
  image.bytes.fill(fill);
  return image;
}

bool Touch(const std::string &path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  return fd >= 0 && ::close(fd) == 0;
}

std::string Stamp(int second) {
  char text[32];
  // Long before any test runs, so that an event kept now is the newest.
  std::snprintf(text, sizeof text, "2000-01-01T%02d-%02d-%02d.000", second / 3600, second / 60 % 60, second % 60);
  return text;
}

TEST(ImageHistory, RepeatsShareAFileAndOffKeepsNothing) {
  ScratchHistory history;
  std::ostringstream diagnostics;
  KeepInHistory(HistoryKind::READ, "/dev/ttyUSB0", ImageOf(1), diagnostics);
  KeepInHistory(HistoryKind::READ, "/dev/ttyUSB0", ImageOf(1), diagnostics);  // the same again
  ASSERT_EQ(history.Names().size(), 1u);
  KeepInHistory(HistoryKind::READ, "/dev/ttyUSB1", ImageOf(1), diagnostics);
  KeepInHistory(HistoryKind::WRITE, "/dev/ttyUSB1", ImageOf(1), diagnostics);
  KeepInHistory(HistoryKind::WRITE, "/dev/ttyUSB1", ImageOf(2), diagnostics);
  const std::vector<std::string> names = history.Names();
  ASSERT_EQ(names.size(), 4u);
  EXPECT_NE(names[0].find("-read-ttyUSB0.img"), std::string::npos) << names[0];
  EXPECT_NE(names[3].find("-write-ttyUSB1.img"), std::string::npos) << names[3];
  ChannelImage kept;
  std::string error;
  ASSERT_TRUE(ReadImageFile(history.File(names[3]), kept, error)) << error;
  EXPECT_EQ(kept.bytes, ImageOf(2).bytes);

  setenv("ZENTOR_HISTORY", "OFF", 1);
  KeepInHistory(HistoryKind::READ, "/dev/ttyUSB0", ImageOf(3), diagnostics);
  EXPECT_EQ(history.Names().size(), 4u);
  EXPECT_EQ(diagnostics.str(), "");
}

TEST(ImageHistory, PruningKeepsTheNewestAndLeavesOtherFilesAlone) {
  ScratchHistory history;
  ASSERT_TRUE(std::filesystem::create_directories(history.Folder()));
  for (const int second : {3, 1, 4, 0, 2}) {
    ASSERT_TRUE(Touch(history.File(HistoryFileName(Stamp(second), HistoryKind::READ, "ttyS0"))));
  }
  ASSERT_TRUE(Touch(history.File("notes.txt")));
  std::string error;
  ASSERT_TRUE(PruneHistory(history.Folder(), 3, error)) << error;
  EXPECT_EQ(history.Names(), (std::vector<std::string>{
                                 HistoryFileName(Stamp(2), HistoryKind::READ, "ttyS0"),
                                 HistoryFileName(Stamp(3), HistoryKind::READ, "ttyS0"),
                                 HistoryFileName(Stamp(4), HistoryKind::READ, "ttyS0"), "notes.txt"}));
}

TEST(ImageHistory, AFullHistoryLetsItsOldestGo) {
  ScratchHistory history;
  ASSERT_TRUE(std::filesystem::create_directories(history.Folder()));
  for (int second = 0; second < static_cast<int>(HISTORY_LIMIT); ++second) {
    ASSERT_TRUE(Touch(history.File(HistoryFileName(Stamp(second), HistoryKind::WRITE, "ttyS0"))));
  }
  std::ostringstream diagnostics;
  KeepInHistory(HistoryKind::READ, "/dev/ttyS0", ImageOf(5), diagnostics);
  EXPECT_EQ(diagnostics.str(), "");
  const std::vector<std::string> names = history.Names();
  ASSERT_EQ(names.size(), HISTORY_LIMIT);
  EXPECT_EQ(names.front(), HistoryFileName(Stamp(1), HistoryKind::WRITE, "ttyS0"));
  EXPECT_NE(names.back().find("-read-ttyS0.img"), std::string::npos) << names.back();
}

}  // namespace
