// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "transfers_fixture.h"

TEST_F(TransfersTest, ClicksDuringATransferAreIgnored) {
  transfers.OnReadClicked();
  ASSERT_EQ(radio.Receive(READ_REQUEST.size(), 5000), READ_REQUEST);
  window.events.clear();
  transfers.OnReadClicked();
  transfers.OnWriteClicked();
  EXPECT_EQ(transfers.linkState(), LinkState::Reading);
  EXPECT_EQ(window.events, Events{});
  EXPECT_TRUE(radio.Receive(1, 300).empty());
  ExpectTimerEnds(READ_TIMER, MSG_READ_FAILED);

  transfers.OnWriteClicked();
  ASSERT_EQ(radio.Receive(WRITE_FRAME_SIZE, 5000).size(), WRITE_FRAME_SIZE);
  window.events.clear();
  transfers.OnWriteClicked();
  transfers.OnReadClicked();
  EXPECT_EQ(transfers.linkState(), LinkState::Writing);
  EXPECT_EQ(window.events, Events{});
  EXPECT_TRUE(radio.Receive(1, 300).empty());
  ASSERT_FALSE(port.WriteFellShort());
  ExpectTimerEnds(WRITE_TIMER, MSG_WRITE_DONE);
}

TEST_F(TransfersTest, TimerWhileIdleShowsChannelOneAndDropsUnstoredEdits) {
  state.currentChannel = 7;
  LoadWorkingChannel(state);
  state.working.txFrequency = 4012500;
  const std::vector<std::uint8_t> before = ImageBytes(state.image);

  transfers.OnTimer(READ_TIMER);
  EXPECT_EQ(window.events, (Events{"select 0", "show 0"}));
  EXPECT_EQ(state.currentChannel, 0);
  EXPECT_EQ(window.shown, ChannelOneOf(state.image));
  EXPECT_EQ(ImageBytes(state.image), before);
  EXPECT_EQ(transfers.linkState(), LinkState::Idle);
}

TEST_F(TransfersTest, CloseStopsBothTimersAndLeavesTheTransferState) {
  transfers.OnReadClicked();
  window.events.clear();
  transfers.OnClose();
  EXPECT_EQ(window.events, (Events{"kill timer 1", "kill timer 2"}));
  EXPECT_TRUE(window.runningTimers.empty());
  EXPECT_EQ(transfers.linkState(), LinkState::Reading);
}
