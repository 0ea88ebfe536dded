#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QObject>
#include <cstdlib>
#include <string>
#include <vector>

#include "channel_rules.h"
#include "link_messages.h"
#include "link_test_support.h"
#include "pseudo_terminal.h"
#include "radio_transfers.h"
#include "recording_transfer_window.h"
#include "validation_messages.h"

namespace {

using Events = std::vector<std::string>;

const std::vector<std::uint8_t> READ_REQUEST(readRequest.begin(), readRequest.end());

std::vector<std::uint8_t> Reply(unsigned seed, std::uint8_t marker) {
  std::vector<std::uint8_t> reply = BytePattern(REPLY_SIZE, seed);
  reply[REPLY_MARKER_OFFSET] = marker;
  return reply;
}

std::vector<std::uint8_t> ImageBytes(const ChannelImage &image) {
  return std::vector<std::uint8_t>(image.bytes.begin(), image.bytes.end());
}

WorkingChannel ChannelOneOf(const ChannelImage &image) {
  EditorState fresh;
  fresh.image = image;
  LoadWorkingChannel(fresh);
  return fresh.working;
}

class TransfersTest : public ::testing::Test {
 protected:
  TransfersTest() {
    // Band 400 MHz and sixteen channels that pass every rule, each a little different.
    ResetImage(state.image);
    WriteField24(state.image.Settings() + SettingsOffset::BAND_BASE, 4000000);
    for (std::size_t channel = 0; channel < CHANNEL_COUNT; ++channel) {
      std::uint8_t *record = state.image.Record(channel);
      WriteField24(record + RecordOffset::RX_FREQUENCY, static_cast<std::uint32_t>(4000000 + channel * 2500));
      WriteField24(record + RecordOffset::TX_FREQUENCY, 4010000);
    }
    state.image.bytes[IMAGE_SIZE - 1] = 0x77;  // so that the frame's closing 0x00 stands out
    LoadWorkingChannel(state);
  }
  void SetUp() override { setenv("ZENTOR_COM1", radio.SlavePath().c_str(), 1); }
  void TearDown() override {
    port.CloseRadioPort();
    unsetenv("ZENTOR_COM1");
  }

  // Clicks Read, plays the radio answering with `reply`, and waits until it has all landed.
  void ReadWithReply(const std::vector<std::uint8_t> &reply) {
    transfers.OnReadClicked();
    ASSERT_EQ(transfers.linkState(), LinkState::Reading);
    ASSERT_EQ(radio.Receive(READ_REQUEST.size(), 5000), READ_REQUEST);
    if (!reply.empty()) {
      radio.Send(reply);
    }
    ASSERT_TRUE(RunEventsUntil([&] { return StartsWith(port.receiveBuffer, reply); }, 5000));
  }

  // Ends the transfer at its timer and checks the steps that follow the given message.
  void ExpectTimerEnds(int timerId, const char *message) {
    window.events.clear();
    transfers.OnTimer(timerId);
    const Events expected = {"kill timer " + std::to_string(timerId), std::string("message ") + message,
                             "select 0", "show 0"};
    EXPECT_EQ(window.events, expected);
    EXPECT_EQ(transfers.linkState(), LinkState::Idle);
    EXPECT_FALSE(port.portHandle.isOpen());
    EXPECT_TRUE(window.runningTimers.empty());
    EXPECT_EQ(state.currentChannel, 0);
    EXPECT_EQ(window.shown, ChannelOneOf(state.image));
  }

  ApplicationGuard application;
  PseudoTerminal radio;
  EditorState state;
  RadioPort port;
  RecordingTransferWindow window{state};
  RadioTransfers transfers{state, port, window};
};

}  // namespace

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
}

TEST_F(TransfersTest, ReadWithoutAMarkedReplyFailsAndKeepsTheImage) {
  struct FailedReply {
    const char *what;
    std::vector<std::uint8_t> bytes;
  };
  const std::vector<std::uint8_t> beforeMarker = Reply(11, 0x33);
  const FailedReply cases[] = {
      {"no reply", {}},
      {"marker zero", Reply(12, 0x00)},
      {"reply stops before the marker",
       std::vector<std::uint8_t>(beforeMarker.begin(), beforeMarker.begin() + REPLY_MARKER_OFFSET)},
  };
  for (const FailedReply &failed : cases) {
    SCOPED_TRACE(failed.what);
    state.currentChannel = 3;
    LoadWorkingChannel(state);
    const std::vector<std::uint8_t> before = ImageBytes(state.image);
    ReadWithReply(failed.bytes);
    ExpectTimerEnds(READ_TIMER, MSG_READ_FAILED);
    EXPECT_EQ(ImageBytes(state.image), before);
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

TEST_F(TransfersTest, ShortReplyAfterAFullOneIsNotCompletedWithItsBytes) {
  ReadWithReply(Reply(14, 0x02));  // every byte nonzero
  ExpectTimerEnds(READ_TIMER, MSG_READ_DONE);

  const std::vector<std::uint8_t> full = Reply(15, 0x03);
  const std::vector<std::uint8_t> shortReply(full.begin(), full.begin() + REPLY_MARKER_OFFSET + 2);
  ReadWithReply(shortReply);
  ExpectTimerEnds(READ_TIMER, MSG_READ_DONE);
  std::vector<std::uint8_t> expected = shortReply;
  expected.resize(IMAGE_SIZE, 0);
  EXPECT_EQ(ImageBytes(state.image), expected);
}

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
  ExpectTimerEnds(WRITE_TIMER, MSG_WRITE_FAILED);
  close(otherEnd);
}

TEST_F(TransfersTest, HangUpDuringAReadClosesThePortOnceAndTheReadFails) {
  const std::vector<std::uint8_t> before = ImageBytes(state.image);
  transfers.OnReadClicked();
  ASSERT_EQ(radio.Receive(READ_REQUEST.size(), 5000), READ_REQUEST);
  QObject counter;
  int errors = 0;
  QObject::connect(&port.portHandle, &QSerialPort::errorOccurred, &counter,
                   [&errors](QSerialPort::SerialPortError error) {
                     if (error != QSerialPort::NoError) {
                       ++errors;
                     }
                   });
  radio.HangUp();
  EXPECT_TRUE(RunEventsUntil([&] { return !port.portHandle.isOpen(); }, 5000));
  RunEventsFor(300);
  EXPECT_GE(errors, 1);
  EXPECT_LE(errors, 2);
  ExpectTimerEnds(READ_TIMER, MSG_READ_FAILED);
  EXPECT_EQ(ImageBytes(state.image), before);
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
