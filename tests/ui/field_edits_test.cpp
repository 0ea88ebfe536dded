// SPDX-License-Identifier: GPL-3.0-or-later
// The field edit handlers, driven by typing and clicking in the real controls.

#include <QTest>

#include "channel_rules.h"
#include "editor_fixture.h"
#include "scaled_value.h"

TEST_F(EditorTest, EachKeystrokeConvertsTheTransmitFrequencyAsItStands) {
  QTest::keyClick(Edit(ControlId::TX_FREQUENCY_EDIT), Qt::Key_A, Qt::ControlModifier);
  const QString typed = QStringLiteral("438.0125");
  const std::int32_t expected[] = {40000,   430000,  4380000, 4380000,
                                   4380000, 4380100, 4380120, 4380125};
  for (int i = 0; i < typed.size(); ++i) {
    QTest::keyClick(Edit(ControlId::TX_FREQUENCY_EDIT), typed[i].toLatin1());
    EXPECT_EQ(dialog->State().working.txFrequency, expected[i]) << "after " << i + 1 << " keys";
  }
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(EditorTest, FrequenciesConvertByTruncation) {
  TypeOver(ControlId::RX_FREQUENCY_EDIT, QStringLiteral("350.03"));
  EXPECT_EQ(dialog->State().working.rxFrequency, 3500299);
  TypeOver(ControlId::TOT_EDIT, QStringLiteral("0.3"));
  EXPECT_EQ(dialog->State().working.tot, 3);
}

TEST_F(EditorTest, ATimeLimitOutOfRangeIsReportedAndKeptWhole) {
  TypeOver(ControlId::TOT_EDIT, QStringLiteral("150"));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0], QString::fromUtf8("“请填入一个在0和100之间的数字。”"));
  EXPECT_EQ(dialog->State().working.tot, 1500);
}

TEST_F(EditorTest, TheBandGoesIntoTheImageAtOnce) {
  TypeOver(ControlId::BAND_EDIT, QStringLiteral("430"));
  EXPECT_EQ(dialog->State().working.band, 4300000);
  const auto &bytes = dialog->State().image.bytes;
  EXPECT_EQ(bytes[176], 0x41);
  EXPECT_EQ(bytes[177], 0x9C);
  EXPECT_EQ(bytes[178], 0xE0);
  EXPECT_EQ(dialog->State().image.Record(0)[RecordOffset::TX_FREQUENCY], 0);  // nothing stored
}

TEST_F(EditorTest, ABandBeyond24BitsIsWrittenAsTheNearerEndAndRefusedOnValidation) {
  const struct {
    const char *typed;
    std::uint8_t fieldByte;
  } cases[] = {{"2077.7216", 0xFF}, {"-5", 0xFF}};
  for (const auto &[typed, fieldByte] : cases) {
    PasteOver(ControlId::BAND_EDIT, QStringLiteral("430"));
    sink.messages.clear();
    PasteOver(ControlId::BAND_EDIT, QString::fromUtf8(typed));
    ASSERT_EQ(sink.messages.size(), 1u) << typed;  // the range message of the edit
    const auto &bytes = dialog->State().image.bytes;
    EXPECT_EQ(bytes[176], fieldByte) << typed;
    EXPECT_EQ(bytes[177], fieldByte) << typed;
    EXPECT_EQ(bytes[178], fieldByte) << typed;
    EXPECT_EQ(dialog->State().working.band, ScaledToInt(QString::fromUtf8(typed).toDouble(), 10000.0));

    sink.messages.clear();
    EXPECT_FALSE(ValidateAllChannels(dialog->State(), *dialog));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], QString::fromUtf8("频段值必须在350Mhz－450Mhz内，以10Mhz递增"));
  }
}

TEST_F(EditorTest, SelectingAChannelStoresTheOldOneAndShowsTheNewOne) {
  const std::vector<std::uint8_t> channel5 = {0x3D, 0x09, 0x7D, 0x00, 0x1E, 0x3D,
                                              0x0A, 0xF4, 0x00, 0x00, 0xA7};
  std::copy(channel5.begin(), channel5.end(), dialog->State().image.Record(4));
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("438.0125"));
  ClickEntry(ControlId::SQUELCH_LIST, 0);

  ClickEntry(ControlId::CHANNEL_LIST, 4);
  EXPECT_EQ(dialog->State().currentChannel, 4);
  const std::uint8_t *record0 = dialog->State().image.Record(0);
  EXPECT_EQ(record0[5], 0x42);
  EXPECT_EQ(record0[6], 0xD5);
  EXPECT_EQ(record0[7], 0xDD);
  EXPECT_EQ(record0[RecordOffset::SQUELCH], 249);
  EXPECT_EQ(Edit(ControlId::RX_FREQUENCY_EDIT)->text(), QStringLiteral("400.0125"));
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("400.05"));
  EXPECT_EQ(Edit(ControlId::TOT_EDIT)->text(), QStringLiteral("3"));
  EXPECT_EQ(Edit(ControlId::SELECTED_SQUELCH_EDIT)->text(), QString::fromUtf8("5级"));

  ClickEntry(ControlId::CHANNEL_LIST, 0);
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("438.0125"));
  EXPECT_EQ(Edit(ControlId::SELECTED_SQUELCH_EDIT)->text(), QString::fromUtf8("0级"));
}

TEST_F(EditorTest, SquelchLevelsSetTheirBytes) {
  const struct {
    int level;
    int byte;
    const char *text;
  } cases[] = {{0, 249, "0级"}, {9, 102, "9级"}, {3, 200, "3级"}, {5, 167, "5级"}};
  for (const auto &c : cases) {
    ClickEntry(ControlId::SQUELCH_LIST, c.level);
    EXPECT_EQ(dialog->State().working.squelch, c.byte);
    EXPECT_EQ(Edit(ControlId::SELECTED_SQUELCH_EDIT)->text(), QString::fromUtf8(c.text));
  }
}

TEST_F(EditorTest, SpacingChangesOnlyTheNarrowFlag) {
  ShowRecord(2, {0, 0, 0, 0, 50, 0, 0, 0, 0, 0x5F, 200});
  ClickEntry(ControlId::SPACING_LIST, 0);
  EXPECT_EQ(dialog->State().working.flags, 0xDF);
  EXPECT_EQ(dialog->State().spacingText, "12.5Khz");
  EXPECT_EQ(Edit(ControlId::SELECTED_SPACING_EDIT)->text(), QStringLiteral("12.5Khz"));
  ClickEntry(ControlId::SPACING_LIST, 1);
  EXPECT_EQ(dialog->State().working.flags, 0x5F);
  EXPECT_EQ(dialog->State().spacingText, "25Khz");
  EXPECT_EQ(Edit(ControlId::SELECTED_SPACING_EDIT)->text(), QStringLiteral("25Khz"));
}

TEST_F(EditorTest, ChoosingAPortChangesOnlyThePortName) {
  const ChannelImage imageBefore = dialog->State().image;
  const WorkingChannel workingBefore = dialog->State().working;
  ClickEntry(ControlId::PORT_LIST, 1);
  EXPECT_EQ(dialog->State().portName, "COM2");
  EXPECT_EQ(dialog->State().image.bytes, imageBefore.bytes);
  EXPECT_EQ(dialog->State().working, workingBefore);
  ClickEntry(ControlId::PORT_LIST, 0);
  EXPECT_EQ(dialog->State().portName, "COM1");
}

TEST_F(EditorTest, LeavingTheFrequencyEditsAndDoubleClickingDoNothingOfTheirOwn) {
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("438.0125"));
  const WorkingChannel before = dialog->State().working;
  Edit(ControlId::RX_FREQUENCY_EDIT)->setFocus();
  Edit(ControlId::BAND_EDIT)->setFocus();
  EXPECT_EQ(dialog->State().working, before);

  ListBox *channels = List(ControlId::CHANNEL_LIST);
  QTest::mouseDClick(channels->viewport(), Qt::LeftButton, Qt::NoModifier,
                     channels->visualItemRect(channels->item(0)).center());
  EXPECT_EQ(dialog->State().currentChannel, 0);
  EXPECT_EQ(dialog->State().working, before);
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("438.0125"));
}
