// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <vector>

#include "radio_port_fixture.h"

TEST_F(RadioPortTest, OpenSetsTheLineTo2400Baud8N1InRawMode) {
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  ASSERT_TRUE(port.portHandle.isOpen());

  termios settings{};  // the master side reports the settings of the slave side
  ASSERT_EQ(tcgetattr(radio.MasterFd(), &settings), 0);
  EXPECT_EQ(cfgetospeed(&settings), static_cast<speed_t>(B2400));
  EXPECT_EQ(cfgetispeed(&settings), static_cast<speed_t>(B2400));
  EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(settings.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_NE(settings.c_cflag & CREAD, 0u);
  EXPECT_EQ(settings.c_iflag & (IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP | PARMRK), 0u);
  EXPECT_EQ(settings.c_oflag & OPOST, 0u);
  EXPECT_EQ(settings.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
}

TEST_F(RadioPortTest, EveryByteValueReachesTheRadioUnchanged) {
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  int handedOver = 0;
  QObject::connect(&port, &RadioPort::writeHandedOver, [&] { ++handedOver; });
  const std::vector<std::uint8_t> all = AllByteValues();
  port.StartPortWrite(all.data(), static_cast<int>(all.size()));
  EXPECT_EQ(radio.Receive(all.size(), 5000), all);
  EXPECT_TRUE(RunEventsUntil([&] { return !port.WriteFellShort(); }, 2000));
  EXPECT_EQ(handedOver, 1);
}

TEST_F(RadioPortTest, EveryByteValueFromTheRadioLandsUnchanged) {
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  const std::vector<std::uint8_t> all = AllByteValues();
  const std::vector<std::uint8_t> first(all.begin(), all.begin() + REPLY_SIZE);
  const std::vector<std::uint8_t> rest(all.begin() + REPLY_SIZE, all.end());

  port.StartReplyRead();
  radio.Send(first);
  EXPECT_TRUE(RunEventsUntil([&] { return StartsWith(port.receiveBuffer, first); }, 5000));

  // The second read starts again at offset 0 and leaves the bytes behind it alone.
  port.StartReplyRead();
  radio.Send(rest);
  std::vector<std::uint8_t> expected = rest;
  expected.insert(expected.end(), first.begin() + static_cast<long>(rest.size()), first.end());
  EXPECT_TRUE(RunEventsUntil([&] { return StartsWith(port.receiveBuffer, expected); }, 5000));
}

TEST_F(RadioPortTest, WriteSendsTheBytesAsTheyWereAtTheCall) {
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  std::vector<std::uint8_t> frame = BytePattern(REPLY_SIZE + 1, 1);
  const std::vector<std::uint8_t> original = frame;
  port.StartPortWrite(frame.data(), static_cast<int>(frame.size()));
  std::fill(frame.begin(), frame.end(), 0xEE);
  EXPECT_EQ(radio.Receive(original.size(), 5000), original);
}

TEST_F(RadioPortTest, ReplyBytesLandAtTheirOffsetsWhateverTheChunks) {
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  port.StartReplyRead();
  const std::vector<std::uint8_t> reply = BytePattern(REPLY_SIZE, 2);
  std::size_t sent = 0;
  for (std::size_t chunk : {std::size_t{1}, std::size_t{50}, std::size_t{136}}) {
    radio.Send(std::vector<std::uint8_t>(reply.begin() + static_cast<long>(sent),
                                         reply.begin() + static_cast<long>(sent + chunk)));
    sent += chunk;
    const std::vector<std::uint8_t> soFar(reply.begin(), reply.begin() + static_cast<long>(sent));
    EXPECT_TRUE(RunEventsUntil([&] { return StartsWith(port.receiveBuffer, soFar); }, 5000)) << sent;
  }
}

TEST_F(RadioPortTest, ReplyLongerThanTheBufferStopsAtItsEnd) {
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  int ended = 0;
  QObject::connect(&port, &RadioPort::replyEnded, [&] { ++ended; });
  port.StartReplyRead();
  const std::vector<std::uint8_t> flood = BytePattern(3000, 3);
  const std::vector<std::uint8_t> reply(flood.begin(), flood.begin() + REPLY_SIZE);
  radio.Send(flood);
  EXPECT_TRUE(RunEventsUntil([&] { return StartsWith(port.receiveBuffer, reply); }, 5000));
  RunEventsFor(200);
  EXPECT_TRUE(StartsWith(port.receiveBuffer, reply));
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(port.ReplyLength(), REPLY_SIZE);

  // Bytes written past the buffer would have landed on the port object behind it; it still works.
  ASSERT_TRUE(port.portHandle.isOpen());
  const std::vector<std::uint8_t> request = {0xFF, 0x00, 0xFF, 0x00};
  port.StartPortWrite(request.data(), static_cast<int>(request.size()));
  EXPECT_EQ(radio.Receive(request.size(), 5000), request);
}

TEST_F(RadioPortTest, InputWaitingAtTheOpenIsDiscarded) {
  const int earlierHolder = OpenRawSlave();
  ASSERT_GE(earlierHolder, 0);
  radio.Send(BytePattern(REPLY_SIZE, 4));
  int waiting = 0;
  ASSERT_TRUE(RunEventsUntil(
      [&] { return ioctl(earlierHolder, FIONREAD, &waiting) == 0 && waiting == static_cast<int>(REPLY_SIZE); },
      5000));

  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  close(earlierHolder);
  port.StartReplyRead();
  RunEventsFor(200);
  EXPECT_TRUE(StartsWith(port.receiveBuffer, std::vector<std::uint8_t>(REPLY_SIZE, 0)));

  const std::vector<std::uint8_t> reply = BytePattern(REPLY_SIZE, 5);
  radio.Send(reply);
  EXPECT_TRUE(RunEventsUntil([&] { return StartsWith(port.receiveBuffer, reply); }, 5000));
}

TEST_F(RadioPortTest, NothingReachesTheBufferAfterClose) {
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  port.StartReplyRead();
  const std::vector<std::uint8_t> reply = BytePattern(REPLY_SIZE, 6);
  const std::vector<std::uint8_t> head(reply.begin(), reply.begin() + 100);
  radio.Send(head);
  ASSERT_TRUE(RunEventsUntil([&] { return StartsWith(port.receiveBuffer, head); }, 5000));

  radio.Send(std::vector<std::uint8_t>(reply.begin() + 100, reply.end()));  // in flight at the close
  port.CloseRadioPort();
  RunEventsFor(300);
  std::vector<std::uint8_t> expected = head;
  expected.resize(REPLY_SIZE, 0);
  EXPECT_TRUE(StartsWith(port.receiveBuffer, expected));
}

TEST_F(RadioPortTest, ReplyEndsAtTheFirstSecondOfSilenceAndTakesNothingAfterIt) {
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  int ended = 0;
  QObject::connect(&port, &RadioPort::replyEnded, [&] { ++ended; });
  port.StartReplyRead();
  const std::vector<std::uint8_t> reply = BytePattern(REPLY_SIZE, 9);
  const auto part = [&](long from, long to) {
    return std::vector<std::uint8_t>(reply.begin() + from, reply.begin() + to);
  };

  radio.Send(part(0, 100));
  RunEventsFor(REPLY_GAP_MS / 2);  // a shorter silence leaves the read running
  radio.Send(part(100, 150));
  ASSERT_TRUE(RunEventsUntil([&] { return ended == 1; }, 3 * REPLY_GAP_MS));
  EXPECT_EQ(port.ReplyLength(), 150u);

  radio.Send(part(150, static_cast<long>(REPLY_SIZE)));
  RunEventsFor(300);
  EXPECT_EQ(ended, 1);
  std::vector<std::uint8_t> expected = part(0, 150);
  expected.resize(REPLY_SIZE, 0);
  EXPECT_TRUE(StartsWith(port.receiveBuffer, expected));
}

TEST_F(RadioPortTest, ReplyEndsOnceAtItsLastByteAndAWriteReportsItsHandOver) {
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  int ended = 0;
  int handedOver = 0;
  QObject::connect(&port, &RadioPort::replyEnded, [&] { ++ended; });
  QObject::connect(&port, &RadioPort::writeHandedOver, [&] { ++handedOver; });
  const std::vector<std::uint8_t> reply = BytePattern(REPLY_SIZE, 3);

  port.StartReplyRead();
  radio.Send(reply);
  EXPECT_TRUE(RunEventsUntil([&] { return ended == 1; }, 5000));
  EXPECT_EQ(port.ReplyLength(), REPLY_SIZE);
  RunEventsFor(1500);  // no gap is signalled after the last byte
  EXPECT_EQ(ended, 1);

  port.StartPortWrite(reply.data(), static_cast<int>(reply.size()));
  EXPECT_TRUE(RunEventsUntil([&] { return handedOver == 1; }, 5000));
}
