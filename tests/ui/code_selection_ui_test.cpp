// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing code types and codes for transmit and receive.

#include "editor_fixture.h"

namespace {

constexpr int CTCSS_ENTRY = 0;
constexpr int DCS_ENTRY = 1;
constexpr int NONE_ENTRY = 2;

}  // namespace

TEST_F(EditorTest, TransmitCtcss100SetsBothBitsAndByte11) {
  ClickEntry(ControlId::TX_CODE_TYPE_LIST, CTCSS_ENTRY);
  ASSERT_EQ(List(ControlId::TX_CODE_TABLE_LIST)->GetCount(), 38);
  EXPECT_EQ(List(ControlId::TX_CODE_TABLE_LIST)->GetText(37), QStringLiteral("250.3"));
  ClickEntry(ControlId::TX_CODE_TABLE_LIST, 11);
  EXPECT_EQ(dialog->State().working.flags, FLAG_TX_CODED | FLAG_TX_CTCSS);
  EXPECT_EQ(dialog->State().working.txCode, 11);
  EXPECT_EQ(Edit(ControlId::SELECTED_TX_CODE_EDIT)->text(), QStringLiteral("100"));
}

TEST_F(EditorTest, ReceiveDcs172IStoresByte0x85) {
  ClickEntry(ControlId::RX_CODE_TYPE_LIST, DCS_ENTRY);
  ASSERT_EQ(List(ControlId::RX_CODE_TABLE_LIST)->GetCount(), 166);
  EXPECT_EQ(List(ControlId::RX_CODE_TABLE_LIST)->GetText(110), QStringLiteral("172I"));
  ClickEntry(ControlId::RX_CODE_TABLE_LIST, 110);
  EXPECT_EQ(dialog->State().working.flags, FLAG_RX_CODED);
  EXPECT_EQ(dialog->State().working.rxCode, 0x85);
  EXPECT_EQ(Edit(ControlId::SELECTED_RX_CODE_EDIT)->text(), QStringLiteral("172I"));
}

TEST_F(EditorTest, TheFirstEntryOfEitherTypeIsByteZero) {
  ClickEntry(ControlId::TX_CODE_TYPE_LIST, DCS_ENTRY);
  ClickEntry(ControlId::TX_CODE_TABLE_LIST, 1);
  ClickEntry(ControlId::TX_CODE_TABLE_LIST, 0);
  EXPECT_EQ(Edit(ControlId::SELECTED_TX_CODE_EDIT)->text(), QStringLiteral("023N"));
  EXPECT_EQ(dialog->State().working.txCode, 0);
  ClickEntry(ControlId::TX_CODE_TYPE_LIST, CTCSS_ENTRY);
  ClickEntry(ControlId::TX_CODE_TABLE_LIST, 1);
  ClickEntry(ControlId::TX_CODE_TABLE_LIST, 0);
  EXPECT_EQ(Edit(ControlId::SELECTED_TX_CODE_EDIT)->text(), QStringLiteral("67"));
  EXPECT_EQ(dialog->State().working.txCode, 0);
}

TEST_F(EditorTest, ATypeChangeKeepsTheOldByteUnderTheNewType) {
  ClickEntry(ControlId::TX_CODE_TYPE_LIST, CTCSS_ENTRY);
  ClickEntry(ControlId::TX_CODE_TABLE_LIST, 11);
  ClickEntry(ControlId::TX_CODE_TYPE_LIST, DCS_ENTRY);
  EXPECT_EQ(List(ControlId::TX_CODE_TABLE_LIST)->GetCurSel(), -1);
  EXPECT_EQ(Edit(ControlId::SELECTED_TX_CODE_EDIT)->text(), QString());
  EXPECT_EQ(dialog->State().working.txCode, 11);

  ClickEntry(ControlId::CHANNEL_LIST, 1);
  EXPECT_EQ(dialog->State().image.Record(0)[RecordOffset::TX_CODE], 11);
  ClickEntry(ControlId::CHANNEL_LIST, 0);
  EXPECT_EQ(List(ControlId::TX_CODE_TYPE_LIST)->GetCurSel(), DCS_ENTRY);
  EXPECT_EQ(List(ControlId::TX_CODE_TABLE_LIST)->GetCurSel(), 10);
  EXPECT_EQ(Edit(ControlId::SELECTED_TX_CODE_EDIT)->text(), QStringLiteral("071N"));
}

TEST_F(EditorTest, NoneClearsOnlyTheCodedBitAndLaterTypesSetTheirBits) {
  const struct {
    int listId;
    int entry;
    std::uint8_t flags;
    int tableCount;
  } steps[] = {
      {ControlId::TX_CODE_TYPE_LIST, CTCSS_ENTRY, 0x28, 38},
      {ControlId::TX_CODE_TYPE_LIST, NONE_ENTRY, 0x20, 0},
      {ControlId::TX_CODE_TYPE_LIST, DCS_ENTRY, 0x08, 166},
      {ControlId::TX_CODE_TYPE_LIST, CTCSS_ENTRY, 0x28, 38},
      {ControlId::RX_CODE_TYPE_LIST, CTCSS_ENTRY, 0x78, 38},
      {ControlId::RX_CODE_TYPE_LIST, NONE_ENTRY, 0x68, 0},
      {ControlId::RX_CODE_TYPE_LIST, DCS_ENTRY, 0x38, 166},
  };
  for (const auto &step : steps) {
    ClickEntry(step.listId, step.entry);
    EXPECT_EQ(dialog->State().working.flags, step.flags);
    const int tableId = step.listId == ControlId::TX_CODE_TYPE_LIST ? ControlId::TX_CODE_TABLE_LIST
                                                                   : ControlId::RX_CODE_TABLE_LIST;
    EXPECT_EQ(List(tableId)->GetCount(), step.tableCount);
    EXPECT_EQ(List(tableId)->GetCurSel(), -1);
  }
}

TEST_F(EditorTest, ClickingTheChosenTypeAgainRefillsTheTableAndKeepsTheByte) {
  ClickEntry(ControlId::RX_CODE_TYPE_LIST, CTCSS_ENTRY);
  ClickEntry(ControlId::RX_CODE_TABLE_LIST, 20);
  ClickEntry(ControlId::RX_CODE_TYPE_LIST, CTCSS_ENTRY);
  EXPECT_EQ(List(ControlId::RX_CODE_TABLE_LIST)->GetCurSel(), -1);
  EXPECT_EQ(Edit(ControlId::SELECTED_RX_CODE_EDIT)->text(), QString());
  EXPECT_EQ(dialog->State().working.rxCode, 20);
}
