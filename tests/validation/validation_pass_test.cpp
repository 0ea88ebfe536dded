// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "channel_rules.h"
#include "validation_messages.h"

namespace {

// Records what the pass asks of the window, in order.
class RecordingWindow : public ValidationWindow {
 public:
  explicit RecordingWindow(const EditorState &state) : state_(state) {}
  void ShowMessage(const std::string &text) override { events.push_back("message " + text); }
  void SelectChannelInList(int index) override { events.push_back("select " + std::to_string(index)); }
  void ShowWorkingChannel() override {
    events.push_back("show " + std::to_string(state_.currentChannel));
    shown = state_.working;
  }
  std::vector<std::string> events;
  WorkingChannel shown;

 private:
  const EditorState &state_;
};

void WriteChannel(EditorState &state, int index, std::int32_t rx, std::int32_t tx, std::uint8_t flags = 0) {
  std::uint8_t *record = state.image.Record(static_cast<std::size_t>(index));
  WriteField24(record + RecordOffset::RX_FREQUENCY, static_cast<std::uint32_t>(rx));
  WriteField24(record + RecordOffset::TX_FREQUENCY, static_cast<std::uint32_t>(tx));
  record[RecordOffset::FLAGS] = flags;
}

// Band 400 MHz and sixteen valid channels.
EditorState ValidState() {
  EditorState state;
  ResetImage(state.image);
  WriteField24(state.image.Settings(), 4000000);
  for (int channel = 0; channel < 16; ++channel) {
    WriteChannel(state, channel, 4000000 + channel * 2500, 4010000);
  }
  LoadWorkingChannel(state);
  return state;
}

}  // namespace

TEST(ValidationPass, AfterStartUpTheBandRuleFailsOnChannel1) {
  EditorState state;
  ResetImage(state.image);
  LoadWorkingChannel(state);
  RecordingWindow window(state);
  EXPECT_FALSE(ValidateAllChannels(state, window));
  const std::vector<std::string> expected = {std::string("message ") + MSG_BAND, "select 0", "show 0"};
  EXPECT_EQ(window.events, expected);
  EXPECT_EQ(state.currentChannel, 0);
}

TEST(ValidationPass, AllValidReturnsToTheChannelOnScreenWithItsEdits) {
  EditorState state = ValidState();
  state.currentChannel = 6;
  LoadWorkingChannel(state);
  state.working.txFrequency = 4012500;  // an edit not yet stored
  RecordingWindow window(state);
  EXPECT_TRUE(ValidateAllChannels(state, window));
  EXPECT_TRUE(window.events.empty());
  EXPECT_EQ(state.currentChannel, 6);
  EXPECT_EQ(state.working.txFrequency, 4012500);
  EXPECT_EQ(ReadField24(state.image.Record(6) + RecordOffset::TX_FREQUENCY), 4012500u);
}

TEST(ValidationPass, StopsAtTheFirstFailingChannelAndShowsIt) {
  EditorState state = ValidState();
  WriteChannel(state, 3, 4000000, 0);        // channel 4: distance
  WriteChannel(state, 8, 4300000, 4300000);  // channel 9: out of band
  state.currentChannel = 0;
  LoadWorkingChannel(state);
  RecordingWindow window(state);
  EXPECT_FALSE(ValidateAllChannels(state, window));
  const std::vector<std::string> expected = {std::string("message ") + MSG_DISTANCE, "select 3", "show 3"};
  EXPECT_EQ(window.events, expected);
  EXPECT_EQ(state.currentChannel, 3);
  EXPECT_EQ(window.shown.txFrequency, 0);
}

TEST(ValidationPass, EachChannelIsJudgedByItsOwnNarrowFlag) {
  EditorState state = ValidState();
  WriteChannel(state, 11, 4000125, 4000125, FLAG_NARROW);
  state.currentChannel = 0;  // channel 1, wide, on screen
  LoadWorkingChannel(state);
  RecordingWindow window(state);
  EXPECT_TRUE(ValidateAllChannels(state, window));
}

TEST(ValidationPass, ValuesTooWideForTheirFieldNeverValidateAsAnotherSetting) {
  // Cut to 24 bits, 2077.7216 MHz would be a valid 400 MHz; cut to 8 bits, 30.5 minutes would be
  // a valid 4.9 minutes.
  const struct {
    std::int32_t tx;
    std::int32_t rx;
    std::int32_t tot;
    std::string message;
  } cases[] = {
      {20777216, 4000000, 50, MSG_DISTANCE},
      {20777216, 20777216, 50, "1频道接收频率值超出频段范围"},
      {4000000, -4000000, 50, MSG_DISTANCE},  // stored as 0, no longer a receive frequency
      {4000000, 4000000, 305, MSG_TOT},
      {4000000, 4000000, -206, MSG_TOT},
  };
  for (const auto &c : cases) {
    EditorState state = ValidState();
    state.working.txFrequency = c.tx;
    state.working.rxFrequency = c.rx;
    state.working.tot = c.tot;
    RecordingWindow window(state);
    EXPECT_FALSE(ValidateAllChannels(state, window));
    ASSERT_FALSE(window.events.empty());
    EXPECT_EQ(window.events.front(), "message " + c.message);
  }
}

TEST(ValidationPass, ValidatingOneChannelChangesNothing) {
  EditorState state = ValidState();
  state.currentChannel = 2;
  LoadWorkingChannel(state);
  state.working.band = 0;
  const EditorState before = state;
  RecordingWindow window(state);
  EXPECT_FALSE(ValidateWorkingChannel(state, window));
  EXPECT_EQ(state.image.bytes, before.image.bytes);
  EXPECT_EQ(state.working, before.working);
  EXPECT_EQ(state.currentChannel, 2);
  ASSERT_EQ(window.events.size(), 1u);
}
