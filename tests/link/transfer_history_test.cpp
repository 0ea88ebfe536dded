// SPDX-License-Identifier: GPL-3.0-or-later
// A history that cannot be written changes nothing of a transfer but one line of diagnostics.

#include <gtest/gtest.h>

#include <algorithm>

#include "scratch_history.h"
#include "transfers_fixture.h"

TEST_F(TransfersTest, AHistoryThatCannotBeWrittenCostsOneLineAndNothingElse) {
  ScratchHistory history;
  ASSERT_TRUE(history.Block());
  std::vector<std::uint8_t> frame = ImageBytes(state.image);
  frame.push_back(0x00);
  transfers.OnWriteClicked();
  EXPECT_EQ(radio.Receive(WRITE_FRAME_SIZE, 5000), frame);
  ASSERT_TRUE(RunEventsUntil([&] { return !port.WriteFellShort(); }, 5000));
  ExpectTimerEnds(WRITE_TIMER, MSG_WRITE_DONE);

  const std::vector<std::uint8_t> reply = Reply(20, 0x5A);
  ReadWithReply(reply);
  ExpectTimerEnds(READ_TIMER, MSG_READ_DONE);
  EXPECT_EQ(ImageBytes(state.image), reply);

  const std::string lines = diagnostics.str();
  const std::string reason = " not kept: cannot make the folder " + history.Folder() + ": ";
  EXPECT_EQ(lines.rfind("link_tests: history: write" + reason, 0), 0u) << lines;
  EXPECT_NE(lines.find("\nlink_tests: history: read" + reason), std::string::npos) << lines;
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 2) << lines;
}

TEST_F(TransfersTest, AWriteCutOffByClosingTheWindowIsKeptAsSent) {
  ScratchHistory history;
  const std::vector<std::uint8_t> sent = ImageBytes(state.image);
  transfers.OnWriteClicked();
  state.image.bytes[0] ^= 0xFF;  // an edit after the click never reached the radio
  transfers.OnClose();
  const std::vector<std::string> names = history.Names();
  ASSERT_EQ(names.size(), 1u);
  EXPECT_NE(names[0].find("-write-"), std::string::npos) << names[0];
  std::ifstream file(history.File(names[0]), std::ios::binary);
  EXPECT_EQ(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {}), sent);
}
