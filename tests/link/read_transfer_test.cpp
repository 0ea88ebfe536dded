// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "port_error_counter.h"
#include "transfers_fixture.h"

TEST_F(TransfersTest, ReadSendsTheRequestAndTheReplyReplacesTheImage) {
  state.currentChannel = 6;
  LoadWorkingChannel(state);
  const std::vector<std::uint8_t> reply = Reply(10, 0x5A);
  ReadWithReply(reply);
  EXPECT_EQ(window.events, Events{"set timer 1 2000"});

  bool portOpenDuringMessage = true;
  window.onMessage = [&] { portOpenDuringMessage = port.portHandle.isOpen(); };
  ExpectTimerEnds(READ_TIMER, MSG_READ_DONE);
  EXPECT_EQ(ImageBytes(state.image), reply);
  EXPECT_EQ(port.receiveBuffer[REPLY_MARKER_OFFSET], 0);
  EXPECT_FALSE(portOpenDuringMessage);
  EXPECT_EQ(diagnostics.str(), "");
}

TEST_F(TransfersTest, ReadWithoutAWholeMarkedReplyFailsAndKeepsTheImage) {
  struct FailedReply {
    const char *what;
    std::vector<std::uint8_t> bytes;
    std::string line;  // on standard error, after the port and its device
  };
  const std::vector<std::uint8_t> beforeMarker = Reply(11, 0x33);
  const FailedReply cases[] = {
      {"no reply", {},
       "no reply: the radio did not answer; check that the cable is fully in, the radio is switched on, "
       "and COM1 is the cable's port"},
      {"marker zero", Reply(12, 0x00),
       "bad reply: 187 of 187 bytes arrived and byte 179, the reply marker, is zero"},
      {"reply stops before the marker",
       std::vector<std::uint8_t>(beforeMarker.begin(), beforeMarker.begin() + REPLY_MARKER_OFFSET),
       "bad reply: only 179 of 187 bytes arrived; the reply was cut short"},
      // The marker came and is set, but bytes 185 and 186 never did.
      {"reply stops after the marker",
       std::vector<std::uint8_t>(beforeMarker.begin(), beforeMarker.begin() + REPLY_SIZE - 2),
       "bad reply: only 185 of 187 bytes arrived; the reply was cut short"},
  };
  for (const FailedReply &failed : cases) {
    SCOPED_TRACE(failed.what);
    state.currentChannel = 3;
    LoadWorkingChannel(state);
    const std::vector<std::uint8_t> before = ImageBytes(state.image);
    diagnostics.str("");
    ReadWithReply(failed.bytes);
    ExpectTimerEnds(READ_TIMER, MSG_READ_FAILED);
    EXPECT_EQ(ImageBytes(state.image), before);
    EXPECT_EQ(diagnostics.str(), LinePrefix() + failed.line + "\n");
  }
}

TEST_F(TransfersTest, ReadAfterASuccessfulReadFailsWhenTheRadioIsSilent) {
  const std::vector<std::uint8_t> reply = Reply(13, 0x01);
  ReadWithReply(reply);
  ExpectTimerEnds(READ_TIMER, MSG_READ_DONE);

  ReadWithReply({});
  ExpectTimerEnds(READ_TIMER, MSG_READ_FAILED);
  EXPECT_EQ(ImageBytes(state.image), reply);
}

TEST_F(TransfersTest, ShortReplyAfterAFullOneIsNeitherCompletedWithItsBytesNorTaken) {
  const std::vector<std::uint8_t> first = Reply(14, 0x02);  // every byte nonzero
  ReadWithReply(first);
  ExpectTimerEnds(READ_TIMER, MSG_READ_DONE);

  const std::vector<std::uint8_t> full = Reply(15, 0x03);
  ReadWithReply(std::vector<std::uint8_t>(full.begin(), full.begin() + REPLY_MARKER_OFFSET + 2));
  ExpectTimerEnds(READ_TIMER, MSG_READ_FAILED);
  EXPECT_EQ(ImageBytes(state.image), first);
}

TEST_F(TransfersTest, HangUpDuringAReadClosesThePortOnceAndTheReadFails) {
  const std::vector<std::uint8_t> before = ImageBytes(state.image);
  transfers.OnReadClicked();
  ASSERT_EQ(radio.Receive(READ_REQUEST.size(), 5000), READ_REQUEST);
  const PortErrorCounter errors(port.portHandle);
  radio.HangUp();
  EXPECT_TRUE(RunEventsUntil([&] { return !port.portHandle.isOpen(); }, 5000));
  RunEventsFor(300);
  EXPECT_GE(errors.Count(), 1);
  EXPECT_LE(errors.Count(), 2);
  ExpectTimerEnds(READ_TIMER, MSG_READ_FAILED);
  EXPECT_EQ(ImageBytes(state.image), before);
}
