// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

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

}  // namespace
