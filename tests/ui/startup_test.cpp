// SPDX-License-Identifier: GPL-3.0-or-later
// The editor as the user first sees it.

#include <QTest>

#include "dialog_template.h"
#include "editor_fixture.h"

namespace {

ChannelImage StartUpImage() {
  ChannelImage image;
  for (std::size_t channel = 0; channel < CHANNEL_COUNT; ++channel) {
    image.Record(channel)[RecordOffset::TOT] = 50;
    image.Record(channel)[RecordOffset::SQUELCH] = 200;
  }
  return image;
}

}  // namespace

TEST_F(EditorTest, StartUpSelectsTheDefaultEntries) {
  const struct {
    int listId;
    int selected;
    const char *text;
  } expected[] = {
      {ControlId::CHANNEL_LIST, 0, "01频道"},   {ControlId::SPACING_LIST, 1, "25Khz"},
      {ControlId::PORT_LIST, 0, "COM1"},        {ControlId::SQUELCH_LIST, 3, "3级"},
      {ControlId::TX_CODE_TYPE_LIST, 2, "无"},  {ControlId::RX_CODE_TYPE_LIST, 2, "无"},
  };
  for (const auto &entry : expected) {
    ListBox *list = List(entry.listId);
    EXPECT_EQ(list->GetCurSel(), entry.selected) << "list " << entry.listId;
    EXPECT_EQ(list->GetText(list->GetCurSel()), QString::fromUtf8(entry.text)) << "list " << entry.listId;
  }
}

TEST_F(EditorTest, StartUpEditsShowTheDefaultValues) {
  const struct {
    int editId;
    const char *text;
  } expected[] = {
      {ControlId::BAND_EDIT, "0"},           {ControlId::TX_FREQUENCY_EDIT, "0"},
      {ControlId::RX_FREQUENCY_EDIT, "0"},   {ControlId::TOT_EDIT, "5"},
      {ControlId::SELECTED_SQUELCH_EDIT, "3级"}, {ControlId::SELECTED_SPACING_EDIT, "25Khz"},
      {ControlId::SELECTED_TX_CODE_EDIT, ""},  {ControlId::SELECTED_RX_CODE_EDIT, ""},
  };
  for (const auto &entry : expected) {
    EXPECT_EQ(Edit(entry.editId)->text(), QString::fromUtf8(entry.text)) << "edit " << entry.editId;
  }
}

TEST_F(EditorTest, CodeTypeListsShowCtcssDcsNoneThoughDcsWasAddedFirst) {
  for (int id : {ControlId::TX_CODE_TYPE_LIST, ControlId::RX_CODE_TYPE_LIST}) {
    ListBox *list = List(id);
    ASSERT_EQ(list->GetCount(), 3);
    EXPECT_EQ(list->GetText(0), QStringLiteral("CTCSS"));
    EXPECT_EQ(list->GetText(1), QStringLiteral("DCS"));
    EXPECT_EQ(list->GetText(2), QString::fromUtf8("无"));
  }
}

TEST_F(EditorTest, StartUpListsHoldTheirFixedEntriesInOrder) {
  ListBox *channels = List(ControlId::CHANNEL_LIST);
  ASSERT_EQ(channels->GetCount(), 16);
  EXPECT_EQ(channels->GetText(0), QString::fromUtf8("01频道"));
  EXPECT_EQ(channels->GetText(9), QString::fromUtf8("10频道"));
  EXPECT_EQ(channels->GetText(15), QString::fromUtf8("16频道"));
  ListBox *squelch = List(ControlId::SQUELCH_LIST);
  ASSERT_EQ(squelch->GetCount(), 10);
  EXPECT_EQ(squelch->GetText(0), QString::fromUtf8("0级"));
  EXPECT_EQ(squelch->GetText(9), QString::fromUtf8("9级"));
  EXPECT_EQ(List(ControlId::SPACING_LIST)->GetText(0), QStringLiteral("12.5Khz"));
  EXPECT_EQ(List(ControlId::PORT_LIST)->GetText(1), QStringLiteral("COM2"));
}

TEST_F(EditorTest, StartUpCodeTablesAreEmpty) {
  EXPECT_EQ(List(ControlId::TX_CODE_TABLE_LIST)->GetCount(), 0);
  EXPECT_EQ(List(ControlId::RX_CODE_TABLE_LIST)->GetCount(), 0);
}

TEST_F(EditorTest, StartUpFocusIsInTheBandEditWithItsTextSelected) {
  EXPECT_EQ(FocusedControl(), Edit(ControlId::BAND_EDIT));
  EXPECT_EQ(QApplication::focusWidget(), Edit(ControlId::BAND_EDIT));
  EXPECT_EQ(Edit(ControlId::BAND_EDIT)->selectedText(), QStringLiteral("0"));
}

TEST_F(EditorTest, StartUpImageIsTheResetImage) {
  EXPECT_EQ(dialog->State().image.bytes, StartUpImage().bytes);
  EXPECT_EQ(dialog->State().working, WorkingChannel{});
  EXPECT_EQ(dialog->State().currentChannel, 0);
  EXPECT_EQ(dialog->State().spacingText, "25Khz");
  EXPECT_EQ(dialog->State().portName, "COM1");
}

TEST_F(EditorTest, WindowHasItsCaptionIconAndFixedSize) {
  EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("VarnikZENTOR写频软件"));
  EXPECT_FALSE(dialog->windowIcon().isNull());
  EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
  EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_EQ(dialog->parentWidget(), nullptr);
}

TEST_F(EditorTest, WindowIconHasTheLargeAndTheSmallPicture) {
  const QList<QSize> sizes = dialog->AppIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
}
