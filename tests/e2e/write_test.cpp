// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the radio through the window: the frame is the image as edited on screen plus a byte
// 0x00, and a channel that breaks a rule keeps every byte off the line.

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "radio_editor_fixture.h"
#include "transfer_expectations.h"

namespace {

class WriteToRadio : public RadioEditorTest {};

TEST_F(WriteToRadio, FrameIsTheImageWithTheEditedChannelAndAZeroByte) {
  const Bytes radioMemory = ValidMemory(0);
  ASSERT_TRUE(StartRadio(radioMemory, {"--no-pacing"}));
  ClickButton(ControlId::READ_BUTTON);
  ASSERT_TRUE(WaitUntilIdle());
  ASSERT_TRUE(SameBytes(ImageBytes(), radioMemory));

  // Channel 4 (narrow, receiving on 434.025 MHz) gets a new transmit frequency; switching to
  // channel 6 stores it.
  ClickEntry(ControlId::CHANNEL_LIST, 3);
  ASSERT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("434.1"));
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("440.5"));
  ClickEntry(ControlId::CHANNEL_LIST, 5);
  Bytes expected = radioMemory;
  PutField24(expected, ChannelByte(4, TX_FREQUENCY_BYTE), 4405000);  // 0x43 0x37 0x08
  EXPECT_TRUE(SameBytes(ImageBytes(), expected));

  QElapsedTimer sinceClick;
  sinceClick.start();
  ClickButton(ControlId::WRITE_BUTTON);
  ASSERT_EQ(dialog->CurrentLinkState(), LinkState::Writing);
  EXPECT_TRUE(dialog->IsTimerRunning(WRITE_TIMER));
  ExpectChannelOnScreen(6);  // the validation pass put back the channel that was on show
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_GE(sinceClick.elapsed(), WRITE_TIMER_MS) << "the write ends at its window timer";

  EXPECT_EQ(Messages(), (std::vector<std::string>{READ_DONE, WRITE_DONE}));
  ASSERT_TRUE(WaitForRadioLog("write frame: stored", 3000)) << radio->Log();
  EXPECT_TRUE(SameBytes(Frames(), Joined(ReadRequestBytes(), WriteFrameOf(expected))));
  EXPECT_TRUE(SameBytes(ReadWholeFile(SavedPath()).value_or(Bytes{}), expected)) << "the radio's memory";
  EXPECT_TRUE(SameBytes(ImageBytes(), expected));
  ExpectChannelOnScreen(1);
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("431.025"));
}

TEST_F(WriteToRadio, InvalidChannelFiveSendsNothingAndComesOnScreenWithItsMessage) {
  ASSERT_TRUE(StartRadio(ValidMemory(0), {"--no-pacing"}));
  // From the start-up image: a band for all, then channel 5 sent out of it.
  TypeOver(ControlId::BAND_EDIT, QStringLiteral("430"));
  ClickEntry(ControlId::CHANNEL_LIST, 4);
  TypeOver(ControlId::RX_FREQUENCY_EDIT, QStringLiteral("460"));
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("460"));
  ClickEntry(ControlId::CHANNEL_LIST, 1);
  const Bytes before = ImageBytes();

  ClickButton(ControlId::WRITE_BUTTON);
  EXPECT_EQ(Messages(), std::vector<std::string>{"5频道接收频率值超出频段范围"});
  EXPECT_EQ(dialog->CurrentLinkState(), LinkState::Idle);
  EXPECT_FALSE(dialog->IsTimerRunning(WRITE_TIMER));
  ExpectChannelOnScreen(5);
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("460"));

  KeepRunning(WRITE_TIMER_MS + 300);
  EXPECT_TRUE(Frames().empty()) << "no byte may reach the radio";
  EXPECT_EQ(Messages().size(), 1u);
  ExpectChannelOnScreen(5);
  EXPECT_TRUE(SameBytes(ImageBytes(), before));
}

TEST_F(WriteToRadio, DeviceThatCannotBeOpenedFailsAtOnceAndSendsNothing) {
  ASSERT_TRUE(StartRadio(ValidMemory(0), {"--fault", "refuse"}));
  ShowImage(ValidMemory(0));
  ClickButton(ControlId::WRITE_BUTTON);
  EXPECT_EQ(Messages(), std::vector<std::string>{WRITE_OPEN_FAILED});
  EXPECT_EQ(dialog->CurrentLinkState(), LinkState::Idle);
  EXPECT_FALSE(dialog->IsTimerRunning(WRITE_TIMER));
  EXPECT_TRUE(Frames().empty());
}

TEST_F(WriteToRadio, MissingDeviceFailsAtOnceAndKeepsTheChannelOnShow) {
  setenv("ZENTOR_COM1", files.File("no-such-device").c_str(), 1);
  TypeOver(ControlId::BAND_EDIT, QStringLiteral("430"));
  ClickEntry(ControlId::CHANNEL_LIST, 2);
  TypeOver(ControlId::RX_FREQUENCY_EDIT, QStringLiteral("432.5"));
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("432.5"));

  ClickButton(ControlId::WRITE_BUTTON);
  EXPECT_EQ(Messages(), std::vector<std::string>{WRITE_OPEN_FAILED});
  EXPECT_EQ(dialog->CurrentLinkState(), LinkState::Idle);
  EXPECT_FALSE(dialog->IsTimerRunning(WRITE_TIMER));
  ExpectChannelOnScreen(3);
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("432.5"));
  EXPECT_EQ(dialog->State().working.txFrequency, 4325000);
}

}  // namespace
