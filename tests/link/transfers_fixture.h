// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Transfers between an editor state, a recording window and a radio port whose COM1 is the slave
// side of a fresh pseudo-terminal played by the test, with a lock folder of the test's own.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "link_messages.h"
#include "link_test_support.h"
#include "pseudo_terminal.h"
#include "radio_transfers.h"
#include "recording_transfer_window.h"
#include "sim_process.h"

using Events = std::vector<std::string>;

inline const std::vector<std::uint8_t> READ_REQUEST(readRequest.begin(), readRequest.end());

inline std::vector<std::uint8_t> Reply(unsigned seed, std::uint8_t marker) {
  std::vector<std::uint8_t> reply = BytePattern(REPLY_SIZE, seed);
  reply[REPLY_MARKER_OFFSET] = marker;
  return reply;
}

inline std::vector<std::uint8_t> ImageBytes(const ChannelImage &image) {
  return std::vector<std::uint8_t>(image.bytes.begin(), image.bytes.end());
}

inline WorkingChannel ChannelOneOf(const ChannelImage &image) {
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
  void SetUp() override {
    setenv("ZENTOR_COM1", radio.SlavePath().c_str(), 1);
    port.SetLockFolders({locks.Path()});
  }
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

  // Ends the transfer at its timer and checks the steps that follow the given message. The port
  // closes at once unless bytes wait to be sent.
  void ExpectTimerEnds(int timerId, const char *message, bool bytesWaiting = false) {
    window.events.clear();
    transfers.OnTimer(timerId);
    const Events expected = {"kill timer " + std::to_string(timerId), std::string("message ") + message,
                             "select 0", "show 0"};
    EXPECT_EQ(window.events, expected);
    EXPECT_EQ(transfers.linkState(), LinkState::Idle);
    EXPECT_EQ(port.portHandle.isOpen(), bytesWaiting);
    EXPECT_TRUE(window.runningTimers.empty());
    EXPECT_EQ(state.currentChannel, 0);
    EXPECT_EQ(window.shown, ChannelOneOf(state.image));
  }

  // How the standard-error lines of a transfer on COM1 begin.
  std::string LinePrefix() const { return "link_tests: COM1 (" + radio.SlavePath() + "): "; }

  ApplicationGuard application;
  PseudoTerminal radio;
  TempDir locks;
  EditorState state;
  RadioPort port;
  RecordingTransferWindow window{state};
  std::ostringstream diagnostics;
  RadioTransfers transfers{state, port, window, diagnostics};
};
