// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "transfers_fixture.h"
#include "validation_messages.h"

TEST_F(TransfersTest, PortThatDoesNotOpenEndsTheTransferWithItsMessage) {
  setenv("ZENTOR_COM1", "/nonexistent/ttyZ0", 1);
  state.currentChannel = 6;
  LoadWorkingChannel(state);
  state.working.txFrequency = 4012500;  // an edit on screen, valid, not yet stored

  transfers.OnReadClicked();
  EXPECT_EQ(window.events, Events{std::string("message ") + MSG_READ_OPEN_FAILED});
  EXPECT_EQ(transfers.linkState(), LinkState::Idle);

  window.events.clear();
  transfers.OnWriteClicked();
  EXPECT_EQ(window.events, Events{std::string("message ") + MSG_WRITE_OPEN_FAILED});
  EXPECT_EQ(transfers.linkState(), LinkState::Idle);
  EXPECT_TRUE(window.runningTimers.empty());
  EXPECT_EQ(state.currentChannel, 6);
  EXPECT_EQ(state.working.txFrequency, 4012500);

  // One line for each failed open, which ends with the serial devices present.
  const std::string line = "link_tests: COM1: cannot open /nonexistent/ttyZ0: No such file or directory; "
                           "serial devices present: ";
  const std::string lines = diagnostics.str();
  EXPECT_EQ(lines.rfind(line, 0), 0u) << lines;
  EXPECT_NE(lines.find("\n" + line), std::string::npos) << lines;
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 2);
}

TEST_F(TransfersTest, WriteWithAnInvalidChannelSendsNothingAndOpensNoPort) {
  WriteField24(state.image.Record(4) + RecordOffset::TX_FREQUENCY, 0);  // channel 5: distance rule
  transfers.OnWriteClicked();
  const Events expected = {std::string("message ") + MSG_DISTANCE, "select 4", "show 4"};
  EXPECT_EQ(window.events, expected);
  EXPECT_EQ(transfers.linkState(), LinkState::Idle);
  EXPECT_FALSE(port.portHandle.isOpen());
  EXPECT_TRUE(radio.Receive(1, 300).empty());

  // Had it tried to open a port, a missing device would add its own message.
  setenv("ZENTOR_COM1", "/nonexistent/ttyZ0", 1);
  window.events.clear();
  transfers.OnWriteClicked();
  EXPECT_EQ(window.events, expected);
}

TEST_F(TransfersTest, WriteSendsTheImageOfTheClickAndAZeroThenClosesAfterItsMessage) {
  state.currentChannel = 6;
  LoadWorkingChannel(state);
  std::vector<std::uint8_t> frame = ImageBytes(state.image);
  frame.push_back(0x00);

  transfers.OnWriteClicked();
  state.image.bytes.fill(0x55);  // edits right after the click must not reach the radio
  EXPECT_EQ(transfers.linkState(), LinkState::Writing);
  EXPECT_EQ(window.events, Events{"set timer 2 1000"});
  EXPECT_EQ(state.currentChannel, 6);
  EXPECT_EQ(radio.Receive(WRITE_FRAME_SIZE, 5000), frame);
  // The port learns that the driver took the frame one turn of the event loop after the bytes
  // left; the real timer gives it a second.
  ASSERT_TRUE(RunEventsUntil([&] { return !port.WriteFellShort(); }, 5000));

  bool portOpenDuringMessage = false;
  window.onMessage = [&] { portOpenDuringMessage = port.portHandle.isOpen(); };
  ExpectTimerEnds(WRITE_TIMER, MSG_WRITE_DONE);
  EXPECT_TRUE(portOpenDuringMessage);
  EXPECT_EQ(diagnostics.str(), "");
}

TEST_F(TransfersTest, WriteToAHungUpDeviceReportsWriteFailed) {
  transfers.OnWriteClicked();
  radio.HangUp();
  EXPECT_TRUE(RunEventsUntil([&] { return !port.portHandle.isOpen(); }, 5000));
  ExpectTimerEnds(WRITE_TIMER, MSG_WRITE_FAILED);
}

TEST_F(TransfersTest, WriteHeldBackFromTheDriverReportsWriteFailed) {
  const int otherEnd = open(radio.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(otherEnd, 0);
  transfers.OnWriteClicked();
  ASSERT_EQ(tcflow(otherEnd, TCOOFF), 0);  // the device takes no output, as after an XOFF
  RunEventsFor(300);
  ExpectTimerEnds(WRITE_TIMER, MSG_WRITE_FAILED, true);
  EXPECT_TRUE(RunEventsUntil([&] { return !port.portHandle.isOpen(); }, DRAIN_LIMIT_MS + 5000))
      << "the wait for the frame to leave has its bound";
  close(otherEnd);
  EXPECT_EQ(diagnostics.str(), LinePrefix() + "write fell short: only " + std::to_string(port.BytesHandedOver()) +
                                   " of the 188 bytes went to the device\n");
  EXPECT_LT(port.BytesHandedOver(), WRITE_FRAME_SIZE);
}
