// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard navigation in every list box: arrows, Home, End, page keys and type-ahead letters.
// Each selection the keys make must run the list's handler, so that after every key the state
// agrees with the entry selected.

#include <QApplication>
#include <QTest>
#include <functional>

#include "code_byte.h"
#include "code_tables.h"
#include "hostile_input.h"

namespace {

constexpr int PAGE_FORWARD = -2;  // a page further down; how far depends on the font
constexpr int PAGE_BACK = -3;
constexpr int NO_ENTRY = -1;

// Qt's views join the letters typed within the keyboard input interval into one search; a
// Windows list box never does, which the steps typed at once check.
constexpr int JOINING_INTERVAL_MS = 3600 * 1000;

struct ListStep {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char *typeAhead;  // characters typed instead of the key, or nullptr
  bool newSearch;         // typed after a pause, so the search starts over
  int row;                // entry selected afterwards, or PAGE_FORWARD / PAGE_BACK
};

ListStep Press(Qt::Key key, int row) { return ListStep{key, Qt::NoModifier, nullptr, false, row}; }
ListStep CtrlPress(Qt::Key key, int row) {
  return ListStep{key, Qt::ControlModifier, nullptr, false, row};
}
ListStep TypeAhead(const char *text, int row) {
  return ListStep{Qt::Key_unknown, Qt::NoModifier, text, true, row};
}
// Typed at once after the previous type-ahead: still a search of its own.
ListStep TypeOn(const char *text, int row) {
  return ListStep{Qt::Key_unknown, Qt::NoModifier, text, false, row};
}

class ListKeysTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    // Whether two letters make one search must not depend on how fast the machine runs the
    // test: letters join unless a step asks for a pause.
    savedInterval_ = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(JOINING_INTERVAL_MS);
  }
  void TearDown() override {
    QApplication::setKeyboardInputInterval(savedInterval_);
    EditorTest::TearDown();
  }

  // The list takes the focus as Tab gives it; after each step the selected entry is checked,
  // and `expectConsistent` judges the state for it.
  void Navigate(int listId, const std::vector<ListStep> &steps,
                const std::function<void(int row)> &expectConsistent) {
    ListBox *list = List(listId);
    list->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(FocusedControl(), list);
    for (std::size_t i = 0; i < steps.size(); ++i) {
      const ListStep &step = steps[i];
      SCOPED_TRACE(::testing::Message() << "list " << listId << ", step " << i + 1);
      const int previous = list->GetCurSel();
      if (step.typeAhead != nullptr && step.newSearch) {
        QApplication::setKeyboardInputInterval(0);
        QTest::qSleep(2);  // longer than the interval: the pause between two searches
        TypeCharacters(list, QString::fromUtf8(step.typeAhead));
        QApplication::setKeyboardInputInterval(JOINING_INTERVAL_MS);
      } else if (step.typeAhead != nullptr) {
        TypeCharacters(list, QString::fromUtf8(step.typeAhead));
      } else {
        QTest::keyClick(list, step.key, step.modifiers);
      }
      const int row = list->GetCurSel();
      if (step.row == PAGE_FORWARD) {
        EXPECT_GT(row, previous);
      } else if (step.row == PAGE_BACK) {
        EXPECT_LT(row, previous);
        EXPECT_GE(row, 0);
      } else {
        EXPECT_EQ(row, step.row);
      }
      expectConsistent(row);
    }
    EXPECT_TRUE(sink.messages.empty());
  }

  const WorkingChannel &Working() const { return dialog->State().working; }

 private:
  int savedInterval_ = 0;
};

// Channels 2 to 16 hold 401 to 415 MHz on both sides, so the edits tell which one is shown.
std::int32_t ChannelFrequency(int channel) { return 4000000 + channel * 10000; }

}  // namespace

TEST_F(ListKeysTest, ChannelKeysStoreTheShownChannelAndShowTheChosenOne) {
  for (int channel = 1; channel < static_cast<int>(CHANNEL_COUNT); ++channel) {
    std::uint8_t *record = dialog->State().image.Record(static_cast<std::size_t>(channel));
    WriteField24(record + RecordOffset::RX_FREQUENCY, static_cast<std::uint32_t>(ChannelFrequency(channel)));
    WriteField24(record + RecordOffset::TX_FREQUENCY, static_cast<std::uint32_t>(ChannelFrequency(channel)));
  }
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("438.025"));  // not stored yet

  Navigate(ControlId::CHANNEL_LIST,
           {Press(Qt::Key_Down, 1), Press(Qt::Key_End, 15), Press(Qt::Key_Up, 14),
            Press(Qt::Key_Home, 0), Press(Qt::Key_Up, 0), CtrlPress(Qt::Key_Space, 0),
            CtrlPress(Qt::Key_A, 0), Press(Qt::Key_PageDown, PAGE_FORWARD),
            Press(Qt::Key_PageUp, PAGE_BACK), Press(Qt::Key_Home, 0), TypeAhead("1", 9),
            TypeOn("6", 9)},
           [this](int row) {
             EXPECT_EQ(dialog->State().currentChannel, row);
             const std::int32_t shown = row == 0 ? 4380250 : ChannelFrequency(row);
             EXPECT_EQ(Working().txFrequency, shown);
             EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(),
                       row == 0 ? QStringLiteral("438.025") : QString::number(400 + row));
           });
  EXPECT_EQ(ReadField24(dialog->State().image.Record(0) + RecordOffset::TX_FREQUENCY), 4380250u);
}

TEST_F(ListKeysTest, SpacingKeysSetOnlyTheNarrowFlagAndTheShownText) {
  Navigate(ControlId::SPACING_LIST,
           {Press(Qt::Key_Up, 0), Press(Qt::Key_Down, 1), Press(Qt::Key_Home, 0),
            Press(Qt::Key_End, 1), Press(Qt::Key_PageUp, PAGE_BACK),
            Press(Qt::Key_PageDown, PAGE_FORWARD), TypeAhead("1", 0)},
           [this](int row) {
             const QString text = row == 0 ? QStringLiteral("12.5Khz") : QStringLiteral("25Khz");
             EXPECT_EQ(QString::fromStdString(dialog->State().spacingText), text);
             EXPECT_EQ(Edit(ControlId::SELECTED_SPACING_EDIT)->text(), text);
             EXPECT_EQ(Working().flags, row == 0 ? FLAG_NARROW : 0);
           });
}

TEST_F(ListKeysTest, SquelchKeysSetTheLevelsByte) {
  const int levelBytes[] = {249, 233, 216, 200, 184, 167, 151, 135, 118, 102};
  Navigate(ControlId::SQUELCH_LIST,
           {Press(Qt::Key_Down, 4), Press(Qt::Key_Up, 3), Press(Qt::Key_End, 9),
            Press(Qt::Key_Home, 0), Press(Qt::Key_PageDown, PAGE_FORWARD),
            Press(Qt::Key_PageUp, PAGE_BACK), TypeAhead("7", 7)},
           [&](int row) {
             EXPECT_EQ(Working().squelch, levelBytes[row]);
             EXPECT_EQ(Edit(ControlId::SELECTED_SQUELCH_EDIT)->text(),
                       QString::fromUtf8("%1级").arg(row));
           });
}

TEST_F(ListKeysTest, PortKeysChangeOnlyThePortName) {
  const WorkingChannel working = Working();
  const ChannelImage image = dialog->State().image;
  Navigate(ControlId::PORT_LIST,
           {Press(Qt::Key_Down, 1), Press(Qt::Key_Up, 0), Press(Qt::Key_End, 1),
            Press(Qt::Key_Home, 0), TypeAhead("C", 1), TypeAhead("C", 0)},
           [&](int row) {
             EXPECT_EQ(dialog->State().portName, row == 0 ? "COM1" : "COM2");
             EXPECT_EQ(Working(), working);
             EXPECT_EQ(dialog->State().image.bytes, image.bytes);
           });
}

TEST_F(ListKeysTest, CodeTypeKeysRefillTheTableAndSetTheDirectionsBits) {
  const int tableSizes[] = {38, 166, 0};  // CTCSS, DCS, 无
  const auto expectType = [&](int tableId, std::uint8_t codedBit, std::uint8_t ctcssBit,
                              int codeEditId, int row) {
    EXPECT_EQ(List(tableId)->GetCount(), tableSizes[row]);
    EXPECT_EQ(List(tableId)->GetCurSel(), NO_ENTRY);
    EXPECT_EQ(Edit(codeEditId)->text(), QString());
    EXPECT_EQ((Working().flags & codedBit) != 0, row != 2);
    if (row != 2) {  // "无" leaves the CTCSS bit as it was
      EXPECT_EQ((Working().flags & ctcssBit) != 0, row == 0);
    }
  };
  Navigate(ControlId::TX_CODE_TYPE_LIST,
           {Press(Qt::Key_Up, 1), Press(Qt::Key_Up, 0), Press(Qt::Key_End, 2),
            Press(Qt::Key_Home, 0), Press(Qt::Key_Down, 1), TypeAhead("C", 0)},
           [&](int row) {
             expectType(ControlId::TX_CODE_TABLE_LIST, FLAG_TX_CODED, FLAG_TX_CTCSS,
                        ControlId::SELECTED_TX_CODE_EDIT, row);
           });
  Navigate(ControlId::RX_CODE_TYPE_LIST,
           {Press(Qt::Key_Up, 1), Press(Qt::Key_Home, 0), Press(Qt::Key_Down, 1),
            TypeAhead("无", 2), Press(Qt::Key_PageUp, PAGE_BACK)},
           [&](int row) {
             expectType(ControlId::RX_CODE_TABLE_LIST, FLAG_RX_CODED, FLAG_RX_CTCSS,
                        ControlId::SELECTED_RX_CODE_EDIT, row);
           });
}

TEST_F(ListKeysTest, TransmitCodeTableKeysPickACtcssToneAndItsByte) {
  ClickEntry(ControlId::TX_CODE_TYPE_LIST, 0);
  Navigate(ControlId::TX_CODE_TABLE_LIST,
           {Press(Qt::Key_PageDown, PAGE_FORWARD), Press(Qt::Key_End, 37), Press(Qt::Key_Home, 0),
            Press(Qt::Key_Down, 1), Press(Qt::Key_PageDown, PAGE_FORWARD),
            Press(Qt::Key_PageUp, PAGE_BACK), Press(Qt::Key_Home, 0), TypeAhead("1", 11)},
           [this](int row) {
             EXPECT_EQ(Working().txCode, row);  // a tone's byte is its position
             EXPECT_EQ(Edit(ControlId::SELECTED_TX_CODE_EDIT)->text(),
                       QString::fromUtf8(CTCSS_TONES[static_cast<std::size_t>(row)]));
             EXPECT_EQ(Working().flags, FLAG_TX_CODED | FLAG_TX_CTCSS);
           });
}

TEST_F(ListKeysTest, ReceiveCodeTableKeysPickADcsCodeAndItsByte) {
  ClickEntry(ControlId::RX_CODE_TYPE_LIST, 1);
  Navigate(ControlId::RX_CODE_TABLE_LIST,
           {Press(Qt::Key_PageDown, PAGE_FORWARD), Press(Qt::Key_End, 165), Press(Qt::Key_Home, 0),
            TypeAhead("7", 75)},
           [this](int row) {
             EXPECT_EQ(Working().rxCode, EncodeCodeByte(CodeType::DCS, row));
             EXPECT_EQ(Edit(ControlId::SELECTED_RX_CODE_EDIT)->text(),
                       QString::fromUtf8(DCS_CODE_LIST[static_cast<std::size_t>(row)]));
             EXPECT_EQ(Working().flags, FLAG_RX_CODED);
           });
  EXPECT_EQ(Edit(ControlId::SELECTED_RX_CODE_EDIT)->text(), QStringLiteral("703N"));
}

TEST_F(ListKeysTest, KeysInAnEmptyCodeTableChangeNothing) {
  const WorkingChannel working = Working();
  const ChannelImage image = dialog->State().image;
  Navigate(ControlId::TX_CODE_TABLE_LIST,
           {Press(Qt::Key_Down, NO_ENTRY), Press(Qt::Key_End, NO_ENTRY),
            Press(Qt::Key_PageDown, NO_ENTRY), Press(Qt::Key_Home, NO_ENTRY), TypeAhead("1", NO_ENTRY)},
           [&](int) {
             EXPECT_EQ(Working(), working);
             EXPECT_EQ(Edit(ControlId::SELECTED_TX_CODE_EDIT)->text(), QString());
             EXPECT_EQ(dialog->State().image.bytes, image.bytes);
           });
}
