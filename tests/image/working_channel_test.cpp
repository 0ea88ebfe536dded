// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "working_channel.h"

namespace {

EditorState FreshState() {
  EditorState state;
  ResetImage(state.image);
  return state;
}

const std::uint8_t SAMPLE_RECORD[RECORD_SIZE] = {0x3D, 0x09, 0x7D, 0x85, 0x32, 0x3D, 0x0A, 0xF4,
                                                 0x0B, 0x87, 0xA7};

}  // namespace

TEST(WorkingChannel, LoadingAResetImageGivesTheStartUpValues) {
  EditorState state = FreshState();
  state.currentChannel = 9;
  LoadWorkingChannel(state);
  EXPECT_EQ(state.working, WorkingChannel{});
}

TEST(WorkingChannel, LoadDecodesEveryFieldAndTheBandBase) {
  EditorState state = FreshState();
  std::copy(std::begin(SAMPLE_RECORD), std::end(SAMPLE_RECORD), state.image.Record(4));
  WriteField24(state.image.Settings(), 4000000);
  state.currentChannel = 4;
  LoadWorkingChannel(state);
  const WorkingChannel &channel = state.working;
  EXPECT_EQ(channel.rxFrequency, 4000125);
  EXPECT_EQ(channel.rxCode, 0x85);
  EXPECT_EQ(channel.tot, 50);
  EXPECT_EQ(channel.txFrequency, 4000500);
  EXPECT_EQ(channel.txCode, 11);
  EXPECT_EQ(channel.flags, 0x87);
  EXPECT_EQ(channel.squelch, 167);
  EXPECT_EQ(channel.band, 4000000);
}

TEST(WorkingChannel, BandIsTheSameForEveryChannel) {
  EditorState state = FreshState();
  const std::uint8_t band[3] = {0x3D, 0x09, 0x00};
  std::copy(band, band + 3, state.image.Settings());
  for (int channel = 0; channel < 16; ++channel) {
    state.currentChannel = channel;
    LoadWorkingChannel(state);
    EXPECT_EQ(state.working.band, 4000000);
  }
}

TEST(WorkingChannel, LoadThenStoreKeepsAllElevenBytes) {
  EditorState state = FreshState();
  for (int value = 0; value < 256; value += 17) {
    std::uint8_t *record = state.image.Record(7);
    for (std::size_t i = 0; i < RECORD_SIZE; ++i) {
      record[i] = static_cast<std::uint8_t>(value + static_cast<int>(i) * 31);
    }
    const ChannelImage before = state.image;
    state.currentChannel = 7;
    LoadWorkingChannel(state);
    StoreWorkingChannel(state);
    EXPECT_EQ(state.image.bytes, before.bytes) << "pattern " << value;
  }
}

TEST(WorkingChannel, StoreWritesOnlyItsOwnRecordAndNeverTheBand) {
  EditorState state = FreshState();
  state.currentChannel = 2;
  state.working.rxFrequency = 4000125;
  state.working.band = 4300000;
  StoreWorkingChannel(state);
  EXPECT_EQ(ReadField24(state.image.Record(2)), 4000125u);
  EXPECT_EQ(BandBase(state.image), 0u);
  ChannelImage reset;
  ResetImage(reset);
  for (std::size_t i = 0; i < IMAGE_SIZE; ++i) {
    if (i < 22 || i >= 25) {
      EXPECT_EQ(state.image.bytes[i], reset.bytes[i]) << "byte " << i;
    }
  }
}

TEST(WorkingChannel, StoreOutsideTheChannelRangeChangesNothing) {
  EditorState state = FreshState();
  const ChannelImage before = state.image;
  state.working.rxFrequency = 4000000;
  for (int channel : {16, -1, 1000}) {
    state.currentChannel = channel;
    StoreWorkingChannel(state);
    EXPECT_EQ(state.image.bytes, before.bytes);
  }
}

TEST(WorkingChannel, ValuesTooWideForTheirFieldSaturateInsteadOfWrapping) {
  EditorState state = FreshState();
  state.currentChannel = 0;
  // 2077.7216 MHz would wrap to a valid 400 MHz if cut to 24 bits.
  state.working.txFrequency = 20777216;
  state.working.rxFrequency = -1;
  state.working.tot = 305;  // 30.5 minutes would wrap to 4.9
  StoreWorkingChannel(state);
  LoadWorkingChannel(state);
  EXPECT_EQ(state.working.txFrequency, 16777215);
  EXPECT_EQ(state.working.rxFrequency, 16777215);  // below the field too: never 0, "not set"
  EXPECT_EQ(state.working.tot, 255);

  state.working.tot = -5;
  StoreWorkingChannel(state);
  LoadWorkingChannel(state);
  EXPECT_EQ(state.working.tot, 255);
}

TEST(WorkingChannel, ValuesThatFitAreStoredExactly) {
  EditorState state = FreshState();
  state.working.txFrequency = 16777215;
  state.working.rxFrequency = 0;
  state.working.tot = 255;
  StoreWorkingChannel(state);
  LoadWorkingChannel(state);
  EXPECT_EQ(state.working.txFrequency, 16777215);
  EXPECT_EQ(state.working.rxFrequency, 0);
  EXPECT_EQ(state.working.tot, 255);
}

struct CopyCase {
  std::uint8_t before;
  bool txToRx;
  std::uint8_t after;
};

TEST(WorkingChannel, CopiesMoveTheCodeBitsBetweenTheSides) {
  const CopyCase cases[] = {
      {0xA8, true, 0xF8},   // narrow, transmit CTCSS
      {0x50, false, 0x78},  // receive CTCSS to transmit
      {0x58, true, 0x18},   // transmit DCS replaces receive CTCSS
      {0x87, true, 0x87},   // untouched bits survive
      {0x87, false, 0x87},
      {0xFF, true, 0xFF},
      {0x10, true, 0x00},   // copying from an uncoded side clears the other's CODED bit
  };
  for (const CopyCase &c : cases) {
    WorkingChannel channel;
    channel.flags = c.before;
    if (c.txToRx) {
      CopyTxToRx(channel);
    } else {
      CopyRxToTx(channel);
    }
    EXPECT_EQ(channel.flags, c.after) << std::hex << int{c.before};
  }
}

TEST(WorkingChannel, CopiesMoveFrequencyAndCodeByteOnly) {
  WorkingChannel channel;
  channel.txFrequency = 4380125;
  channel.txCode = 11;
  channel.rxFrequency = 4000000;
  channel.rxCode = 0x85;
  channel.tot = 77;
  channel.squelch = 102;
  channel.band = 4300000;
  CopyTxToRx(channel);
  EXPECT_EQ(channel.rxFrequency, 4380125);
  EXPECT_EQ(channel.rxCode, 11);
  channel.rxFrequency = 4100000;
  channel.rxCode = 0x85;
  CopyRxToTx(channel);
  EXPECT_EQ(channel.txFrequency, 4100000);
  EXPECT_EQ(channel.txCode, 0x85);
  EXPECT_EQ(channel.tot, 77);
  EXPECT_EQ(channel.squelch, 102);
  EXPECT_EQ(channel.band, 4300000);
}

TEST(WorkingChannel, CopyDoesNotWriteTheImage) {
  EditorState state = FreshState();
  state.currentChannel = 2;
  state.working.txFrequency = 4380125;
  const ChannelImage before = state.image;
  CopyTxToRx(state.working);
  EXPECT_EQ(state.image.bytes, before.bytes);
}

TEST(WorkingChannel, ResetRestoresTheStartUpState) {
  EditorState state = FreshState();
  state.currentChannel = 11;
  state.working.rxFrequency = 4000000;
  state.working.flags = 0xFF;
  state.working.band = 4300000;
  state.spacingText = SPACING_NARROW_TEXT;
  state.portName = "COM2";
  std::uint8_t *record = state.image.Record(11);
  record[0] = 0x44;
  ResetWorkingChannel(state);
  EXPECT_EQ(state.currentChannel, 0);
  EXPECT_EQ(state.working, WorkingChannel{});
  EXPECT_EQ(state.spacingText, "25Khz");
  EXPECT_EQ(state.portName, "COM1");
  EXPECT_EQ(record[0], 0x44) << "reset must not touch the image";
}
