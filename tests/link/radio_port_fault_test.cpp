// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <termios.h>
#include <unistd.h>

#include <vector>

#include "port_error_counter.h"
#include "radio_port_fixture.h"

TEST_F(RadioPortTest, HangUpClosesThePortAtTheFirstErrorWithoutAStorm) {
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  port.StartReplyRead();
  const PortErrorCounter errors(port.portHandle);
  radio.HangUp();
  EXPECT_TRUE(RunEventsUntil([&] { return !port.portHandle.isOpen(); }, 5000));
  RunEventsFor(300);
  // Left open, the port reports the vanished device some hundred thousand times in this span.
  EXPECT_GE(errors.Count(), 1);
  EXPECT_LE(errors.Count(), 2);
  EXPECT_TRUE(StartsWith(port.receiveBuffer, std::vector<std::uint8_t>(REPLY_SIZE, 0)));
}

TEST_F(RadioPortTest, WriteOnAHungUpDeviceFellShort) {
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  EXPECT_FALSE(port.WriteFellShort());
  radio.HangUp();
  const std::vector<std::uint8_t> frame = BytePattern(REPLY_SIZE + 1, 7);
  port.StartPortWrite(frame.data(), static_cast<int>(frame.size()));
  EXPECT_TRUE(RunEventsUntil([&] { return !port.portHandle.isOpen(); }, 5000));
  EXPECT_TRUE(port.WriteFellShort());
}

TEST_F(RadioPortTest, WriteHeldBackFromTheDriverFellShortAndKeepsAClosingPortOpenUntilItGoes) {
  const int otherEnd = OpenRawSlave();
  ASSERT_GE(otherEnd, 0);
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  ASSERT_EQ(tcflow(otherEnd, TCOOFF), 0);  // the device stops taking output, as after an XOFF

  const std::vector<std::uint8_t> frame = BytePattern(REPLY_SIZE + 1, 8);
  port.StartPortWrite(frame.data(), static_cast<int>(frame.size()));
  RunEventsFor(300);
  EXPECT_TRUE(port.WriteFellShort());

  // Closed, the port is back at its old line settings: a byte that left after that would go out
  // at another speed.
  port.CloseRadioPortWhenDrained();
  RunEventsFor(100);
  EXPECT_TRUE(port.portHandle.isOpen());

  ASSERT_EQ(tcflow(otherEnd, TCOON), 0);
  EXPECT_EQ(radio.Receive(frame.size(), 5000), frame);
  EXPECT_TRUE(RunEventsUntil([&] { return !port.WriteFellShort(); }, 5000));
  EXPECT_TRUE(RunEventsUntil([&] { return !port.portHandle.isOpen(); }, 5000));
  close(otherEnd);
}
