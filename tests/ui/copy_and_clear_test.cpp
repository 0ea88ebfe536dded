// SPDX-License-Identifier: GPL-3.0-or-later
// The two copy buttons and "清除".

#include <QTest>

#include "editor_fixture.h"

namespace {

ChannelImage StartUpImage() {
  ChannelImage image;
  ResetImage(image);
  return image;
}

}  // namespace

TEST_F(EditorTest, CopyToReceiveShowsTheTransmitSettingsAtOnce) {
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("438.0125"));
  ClickEntry(ControlId::TX_CODE_TYPE_LIST, 0);
  ClickEntry(ControlId::TX_CODE_TABLE_LIST, 11);
  const ChannelImage before = dialog->State().image;

  ClickButton(ControlId::COPY_TO_RX_BUTTON);
  EXPECT_EQ(Edit(ControlId::RX_FREQUENCY_EDIT)->text(), QStringLiteral("438.0125"));
  EXPECT_EQ(Edit(ControlId::SELECTED_RX_CODE_EDIT)->text(), QStringLiteral("100"));
  EXPECT_EQ(List(ControlId::RX_CODE_TYPE_LIST)->GetCurSel(), 0);
  EXPECT_EQ(List(ControlId::RX_CODE_TABLE_LIST)->GetCurSel(), 11);
  EXPECT_EQ(dialog->State().working.rxFrequency, 4380125);
  EXPECT_EQ(dialog->State().working.flags, 0x78);
  EXPECT_EQ(dialog->State().image.bytes, before.bytes);  // stored only at the next switch

  ClickEntry(ControlId::CHANNEL_LIST, 1);
  const std::uint8_t *record = dialog->State().image.Record(0);
  EXPECT_EQ(record[0], 0x42);
  EXPECT_EQ(record[1], 0xD5);
  EXPECT_EQ(record[2], 0xDD);
  EXPECT_EQ(record[RecordOffset::RX_CODE], 11);
}

TEST_F(EditorTest, CopyToTransmitTakesTheReceiveSide) {
  ShowRecord(4, {0x3D, 0x09, 0x7D, 0x87, 50, 0, 0, 0, 0x0B, 0x30, 200});
  ClickButton(ControlId::COPY_TO_TX_BUTTON);
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("400.0125"));
  EXPECT_EQ(Edit(ControlId::SELECTED_TX_CODE_EDIT)->text(), QStringLiteral("023I"));
  EXPECT_EQ(List(ControlId::TX_CODE_TYPE_LIST)->GetCurSel(), 1);
  EXPECT_EQ(dialog->State().working.txCode, 0x87);
  EXPECT_EQ(dialog->State().working.flags, 0x18);
}

TEST_F(EditorTest, ClearBringsBackTheStartUpStateWithoutAsking) {
  TypeOver(ControlId::BAND_EDIT, QStringLiteral("430"));
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("438.0125"));
  ClickEntry(ControlId::TX_CODE_TYPE_LIST, 0);
  ClickEntry(ControlId::TX_CODE_TABLE_LIST, 11);
  ClickEntry(ControlId::RX_CODE_TYPE_LIST, 1);
  ClickEntry(ControlId::RX_CODE_TABLE_LIST, 3);
  ClickEntry(ControlId::SQUELCH_LIST, 0);
  ClickEntry(ControlId::SPACING_LIST, 0);
  ClickEntry(ControlId::PORT_LIST, 1);
  ClickEntry(ControlId::CHANNEL_LIST, 4);
  TypeOver(ControlId::TOT_EDIT, QStringLiteral("2"));

  ClickButton(ControlId::CLEAR_BUTTON);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(List(ControlId::CHANNEL_LIST)->GetCurSel(), 0);
  EXPECT_EQ(List(ControlId::SQUELCH_LIST)->GetCurSel(), 3);
  EXPECT_EQ(List(ControlId::SPACING_LIST)->GetCurSel(), 1);
  EXPECT_EQ(List(ControlId::PORT_LIST)->GetCurSel(), 0);
  EXPECT_EQ(List(ControlId::TX_CODE_TYPE_LIST)->GetCurSel(), 2);
  EXPECT_EQ(List(ControlId::RX_CODE_TYPE_LIST)->GetCurSel(), 2);
  EXPECT_EQ(List(ControlId::TX_CODE_TABLE_LIST)->GetCount(), 0);
  EXPECT_EQ(List(ControlId::RX_CODE_TABLE_LIST)->GetCount(), 0);
  EXPECT_EQ(Edit(ControlId::BAND_EDIT)->text(), QStringLiteral("0"));
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("0"));
  EXPECT_EQ(Edit(ControlId::RX_FREQUENCY_EDIT)->text(), QStringLiteral("0"));
  EXPECT_EQ(Edit(ControlId::TOT_EDIT)->text(), QStringLiteral("5"));
  EXPECT_EQ(Edit(ControlId::SELECTED_SQUELCH_EDIT)->text(), QString::fromUtf8("3级"));
  EXPECT_EQ(Edit(ControlId::SELECTED_SPACING_EDIT)->text(), QStringLiteral("25Khz"));
  EXPECT_EQ(Edit(ControlId::SELECTED_TX_CODE_EDIT)->text(), QString());
  EXPECT_EQ(Edit(ControlId::SELECTED_RX_CODE_EDIT)->text(), QString());
  EXPECT_EQ(dialog->State().image.bytes, StartUpImage().bytes);
  EXPECT_EQ(dialog->State().working, WorkingChannel{});
  EXPECT_EQ(dialog->State().currentChannel, 0);
  EXPECT_EQ(dialog->State().portName, "COM1");
  EXPECT_EQ(dialog->State().spacingText, "25Khz");
}

TEST_F(EditorTest, AfterClearTheNextChannelSwitchStoresTheDefaults) {
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("438.0125"));
  ClickButton(ControlId::CLEAR_BUTTON);
  ClickEntry(ControlId::CHANNEL_LIST, 2);
  EXPECT_EQ(dialog->State().image.bytes, StartUpImage().bytes);
}
