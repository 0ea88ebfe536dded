// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the radio through the window: the reply replaces the image whole, channel 1 comes on
// screen, and a radio that stops answering cannot pass off an earlier reply.

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "radio_editor_fixture.h"
#include "transfer_expectations.h"

namespace {

class ReadFromRadio : public RadioEditorTest {};

TEST_F(ReadFromRadio, PacedReplyReplacesTheImageByteForByteAndShowsChannelOne) {
  const Bytes radioMemory = ValidMemory(0);
  ShowImage(ValidMemory(1));
  ASSERT_TRUE(StartRadio(radioMemory, {}));  // paced like the real 2400-baud line

  QElapsedTimer sinceClick;
  sinceClick.start();
  ClickButton(ControlId::READ_BUTTON);
  ASSERT_EQ(dialog->CurrentLinkState(), LinkState::Reading);
  EXPECT_TRUE(dialog->IsTimerRunning(READ_TIMER));
  // The window stays usable during the read; what is edited meanwhile goes with the old image.
  ClickEntry(ControlId::CHANNEL_LIST, 2);
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("399.9"));
  EXPECT_TRUE(Messages().empty());

  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_GE(sinceClick.elapsed(), READ_TIMER_MS) << "the read ends at its window timer";
  EXPECT_FALSE(dialog->IsTimerRunning(READ_TIMER));
  EXPECT_EQ(Messages(), std::vector<std::string>{READ_DONE});
  EXPECT_TRUE(SameBytes(ImageBytes(), radioMemory)) << "bytes 179 to 186 and flag bits 0x07 included";
  EXPECT_TRUE(SameBytes(Frames(), ReadRequestBytes()));

  ExpectChannelOnScreen(1);
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("431.025"));
  EXPECT_EQ(Edit(ControlId::RX_FREQUENCY_EDIT)->text(), QStringLiteral("431.025"));
  EXPECT_EQ(Edit(ControlId::TOT_EDIT)->text(), QStringLiteral("1"));
  EXPECT_EQ(Edit(ControlId::BAND_EDIT)->text(), QStringLiteral("430"));
  EXPECT_EQ(Edit(ControlId::SELECTED_SQUELCH_EDIT)->text(), QString::fromUtf8("0级"));
  EXPECT_EQ(Edit(ControlId::SELECTED_SPACING_EDIT)->text(), QStringLiteral("25Khz"));
}

TEST_F(ReadFromRadio, ChannelsShownAfterTheReadAreTheRadiosOwn) {
  const Bytes radioMemory = ValidMemory(1);
  ASSERT_TRUE(StartRadio(radioMemory, {"--no-pacing"}));
  ClickButton(ControlId::READ_BUTTON);
  ASSERT_TRUE(WaitUntilIdle());
  ASSERT_EQ(Messages(), std::vector<std::string>{READ_DONE});
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("380.575"));
  EXPECT_EQ(Edit(ControlId::TOT_EDIT)->text(), QStringLiteral("1.1"));
  EXPECT_EQ(Edit(ControlId::BAND_EDIT)->text(), QStringLiteral("380"));

  // Channel 2 is narrow with CTCSS 88.5 both ways; channel 3 receives DCS 047I, sends 754N.
  ClickEntry(ControlId::CHANNEL_LIST, 1);
  ExpectChannelOnScreen(2);
  EXPECT_EQ(Edit(ControlId::SELECTED_SPACING_EDIT)->text(), QStringLiteral("12.5Khz"));
  EXPECT_EQ(Edit(ControlId::SELECTED_TX_CODE_EDIT)->text(), QStringLiteral("88.5"));
  ClickEntry(ControlId::CHANNEL_LIST, 2);
  ExpectChannelOnScreen(3);
  EXPECT_EQ(Edit(ControlId::SELECTED_SPACING_EDIT)->text(), QStringLiteral("25Khz"));
  EXPECT_EQ(Edit(ControlId::SELECTED_RX_CODE_EDIT)->text(), QStringLiteral("047I"));
  EXPECT_EQ(Edit(ControlId::SELECTED_TX_CODE_EDIT)->text(), QStringLiteral("754N"));
  // Leaving channels 1 and 2 stored them back: they went through the editor unchanged.
  EXPECT_TRUE(SameBytes(ImageBytes(), radioMemory));
}

TEST_F(ReadFromRadio, SecondReadFromASilentRadioFailsAndKeepsTheFirstReply) {
  const Bytes radioMemory = ValidMemory(0);
  ASSERT_TRUE(StartRadio(radioMemory, {"--no-pacing"}));
  ClickButton(ControlId::READ_BUTTON);
  ASSERT_TRUE(WaitUntilIdle());
  ASSERT_EQ(Messages(), std::vector<std::string>{READ_DONE});

  // The radio is switched off and on again with nothing to say, on the same port.
  StopRadio();
  ASSERT_TRUE(StartRadio(ValidMemory(1), {"--no-pacing", "--fault", "silent"}));
  ClickEntry(ControlId::CHANNEL_LIST, 6);
  ClickButton(ControlId::READ_BUTTON);
  ASSERT_TRUE(WaitUntilIdle());

  EXPECT_EQ(Messages(), (std::vector<std::string>{READ_DONE, READ_FAILED}));
  EXPECT_TRUE(SameBytes(ImageBytes(), radioMemory));
  EXPECT_TRUE(SameBytes(Frames(), Joined(ReadRequestBytes(), ReadRequestBytes()))) << "one request each";
  ExpectChannelOnScreen(1);
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("431.025"));
}

}  // namespace
