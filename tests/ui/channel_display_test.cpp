// SPDX-License-Identifier: GPL-3.0-or-later
// What the controls show for a channel read from the radio.

#include <QTest>

#include "editor_fixture.h"

namespace {

// A channel record with the given flags, code bytes and squelch byte; frequencies 0, tot 50.
std::vector<std::uint8_t> Record(std::uint8_t flags, std::uint8_t txCode, std::uint8_t rxCode,
                                 std::uint8_t squelch = 200) {
  return {0, 0, 0, rxCode, 50, 0, 0, 0, txCode, flags, squelch};
}

}  // namespace

TEST_F(EditorTest, SquelchBytesShowTheirLevels) {
  const struct {
    std::uint8_t byte;
    int level;
    const char *text;
  } cases[] = {{249, 0, "0级"}, {102, 9, "9级"}, {200, 3, "3级"}, {151, 6, "6级"}};
  for (const auto &c : cases) {
    ShowRecord(1, Record(0, 0, 0, c.byte));
    EXPECT_EQ(List(ControlId::SQUELCH_LIST)->GetCurSel(), c.level);
    EXPECT_EQ(Edit(ControlId::SELECTED_SQUELCH_EDIT)->text(), QString::fromUtf8(c.text));
    EXPECT_EQ(dialog->State().working.squelch, c.byte);
  }
}

TEST_F(EditorTest, AForeignSquelchByteIsRepairedOnlyWhenItsChannelIsShown) {
  dialog->State().image.Record(7)[RecordOffset::SQUELCH] = 0;
  ShowRecord(5, Record(0, 0, 0, 0));
  EXPECT_EQ(Edit(ControlId::SELECTED_SQUELCH_EDIT)->text(), QString::fromUtf8("3级"));
  EXPECT_EQ(List(ControlId::SQUELCH_LIST)->GetCurSel(), 3);
  EXPECT_EQ(dialog->State().working.squelch, 200);
  EXPECT_EQ(dialog->State().image.Record(5)[RecordOffset::SQUELCH], 200);
  EXPECT_EQ(dialog->State().image.Record(7)[RecordOffset::SQUELCH], 0);
}

TEST_F(EditorTest, TheNarrowFlagSelectsTheSpacing) {
  ShowRecord(3, Record(FLAG_NARROW, 0, 0));
  EXPECT_EQ(List(ControlId::SPACING_LIST)->GetCurSel(), 0);
  EXPECT_EQ(Edit(ControlId::SELECTED_SPACING_EDIT)->text(), QStringLiteral("12.5Khz"));
  EXPECT_EQ(dialog->State().spacingText, "12.5Khz");
  ShowRecord(4, Record(0, 0, 0));
  EXPECT_EQ(List(ControlId::SPACING_LIST)->GetCurSel(), 1);
  EXPECT_EQ(dialog->State().spacingText, "25Khz");
}

TEST_F(EditorTest, CodesShowTheirTypeTableAndEntry) {
  const struct {
    std::uint8_t flags;
    std::uint8_t txCode;
    std::uint8_t rxCode;
    int txType, txCount, txEntry;
    const char *txText;
    int rxType, rxCount, rxEntry;
    const char *rxText;
  } cases[] = {
      // transmit none with a code byte left over; receive CTCSS 97.4
      {FLAG_RX_CODED | FLAG_RX_CTCSS, 3, 10, 2, 0, -1, "", 0, 38, 10, "97.4"},
      // transmit DCS 043N and receive DCS 023I
      {FLAG_TX_CODED | FLAG_RX_CODED, 6, 0x87, 1, 166, 5, "043N", 1, 166, 83, "023I"},
      // the same byte under the two types
      {FLAG_TX_CODED | FLAG_TX_CTCSS | FLAG_RX_CODED, 0x0A, 0x0A, 0, 38, 10, "97.4", 1, 166, 9, "065N"},
      {FLAG_TX_CODED | FLAG_RX_CODED, 0x85, 0x53, 1, 166, 110, "172I", 1, 166, 82, "754N"},
  };
  for (const auto &c : cases) {
    ShowRecord(2, Record(c.flags, c.txCode, c.rxCode));
    EXPECT_EQ(List(ControlId::TX_CODE_TYPE_LIST)->GetCurSel(), c.txType);
    EXPECT_EQ(List(ControlId::TX_CODE_TABLE_LIST)->GetCount(), c.txCount);
    EXPECT_EQ(List(ControlId::TX_CODE_TABLE_LIST)->GetCurSel(), c.txEntry);
    EXPECT_EQ(Edit(ControlId::SELECTED_TX_CODE_EDIT)->text(), QString::fromUtf8(c.txText));
    EXPECT_EQ(List(ControlId::RX_CODE_TYPE_LIST)->GetCurSel(), c.rxType);
    EXPECT_EQ(List(ControlId::RX_CODE_TABLE_LIST)->GetCount(), c.rxCount);
    EXPECT_EQ(List(ControlId::RX_CODE_TABLE_LIST)->GetCurSel(), c.rxEntry);
    EXPECT_EQ(Edit(ControlId::SELECTED_RX_CODE_EDIT)->text(), QString::fromUtf8(c.rxText));
    EXPECT_EQ(dialog->State().working.txCode, c.txCode);
    EXPECT_EQ(dialog->State().working.rxCode, c.rxCode);
  }
}

TEST_F(EditorTest, ACodeByteWithoutEntryShowsItsTypeAndNoCodeAndIsKept) {
  const struct {
    std::uint8_t flags;
    std::uint8_t code;
    int type;
    int count;
  } cases[] = {
      {FLAG_TX_CODED | FLAG_TX_CTCSS, 38, 0, 38},
      {FLAG_TX_CODED | FLAG_TX_CTCSS, 0xFF, 0, 38},
      {FLAG_TX_CODED, 0x9C, 1, 166},
      {FLAG_TX_CODED, 0xD4, 1, 166},
  };
  for (const auto &c : cases) {
    ShowRecord(6, Record(c.flags, c.code, 0));
    EXPECT_EQ(List(ControlId::TX_CODE_TYPE_LIST)->GetCurSel(), c.type);
    EXPECT_EQ(List(ControlId::TX_CODE_TABLE_LIST)->GetCount(), c.count);
    EXPECT_EQ(List(ControlId::TX_CODE_TABLE_LIST)->GetCurSel(), -1);
    EXPECT_EQ(Edit(ControlId::SELECTED_TX_CODE_EDIT)->text(), QString());
    EXPECT_EQ(dialog->State().working.txCode, c.code);
    ClickEntry(ControlId::CHANNEL_LIST, 0);
    EXPECT_EQ(dialog->State().image.Record(6)[RecordOffset::TX_CODE], c.code);
  }
}

TEST_F(EditorTest, FieldValuesShowAsExactDecimals) {
  // rx 16777215, tot 255, tx 4380125, band 350 MHz
  WriteField24(dialog->State().image.Settings(), 3500000);
  ShowRecord(9, {0xFF, 0xFF, 0xFF, 0, 0xFF, 0x42, 0xD5, 0xDD, 0, 0, 200});
  EXPECT_EQ(Edit(ControlId::RX_FREQUENCY_EDIT)->text(), QStringLiteral("1677.7215"));
  EXPECT_EQ(Edit(ControlId::TOT_EDIT)->text(), QStringLiteral("25.5"));
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("438.0125"));
  EXPECT_EQ(Edit(ControlId::BAND_EDIT)->text(), QStringLiteral("350"));
}

TEST_F(EditorTest, AStartUpChannelLooksLikeTheStartUpPicture) {
  ShowRecord(8, {0, 0, 0, 0, 50, 0, 0, 0, 0, 0, 200});
  EXPECT_EQ(Edit(ControlId::BAND_EDIT)->text(), QStringLiteral("0"));
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("0"));
  EXPECT_EQ(Edit(ControlId::RX_FREQUENCY_EDIT)->text(), QStringLiteral("0"));
  EXPECT_EQ(Edit(ControlId::TOT_EDIT)->text(), QStringLiteral("5"));
  EXPECT_EQ(Edit(ControlId::SELECTED_SQUELCH_EDIT)->text(), QString::fromUtf8("3级"));
  EXPECT_EQ(Edit(ControlId::SELECTED_SPACING_EDIT)->text(), QStringLiteral("25Khz"));
  EXPECT_EQ(List(ControlId::TX_CODE_TYPE_LIST)->GetCurSel(), 2);
  EXPECT_EQ(List(ControlId::RX_CODE_TYPE_LIST)->GetCurSel(), 2);
  EXPECT_EQ(List(ControlId::TX_CODE_TABLE_LIST)->GetCount(), 0);
  EXPECT_EQ(List(ControlId::RX_CODE_TABLE_LIST)->GetCount(), 0);
  EXPECT_EQ(Edit(ControlId::SELECTED_TX_CODE_EDIT)->text(), QString());
  EXPECT_EQ(Edit(ControlId::SELECTED_RX_CODE_EDIT)->text(), QString());
}

TEST_F(EditorTest, ShowingTwiceLeavesTheSamePicture) {
  ShowRecord(1, {0x3D, 0x09, 0x7D, 0x0B, 0x1E, 0, 0, 0, 0x87, 0x78, 7});
  const QString squelch = Edit(ControlId::SELECTED_SQUELCH_EDIT)->text();
  const int txEntry = List(ControlId::TX_CODE_TABLE_LIST)->GetCurSel();
  const int rxEntry = List(ControlId::RX_CODE_TABLE_LIST)->GetCurSel();
  const ChannelImage image = dialog->State().image;
  dialog->ShowWorkingChannel();
  EXPECT_EQ(Edit(ControlId::SELECTED_SQUELCH_EDIT)->text(), squelch);
  EXPECT_EQ(List(ControlId::TX_CODE_TABLE_LIST)->GetCurSel(), txEntry);
  EXPECT_EQ(List(ControlId::RX_CODE_TABLE_LIST)->GetCurSel(), rxEntry);
  EXPECT_EQ(dialog->State().image.bytes, image.bytes);
}
