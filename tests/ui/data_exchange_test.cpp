// SPDX-License-Identifier: GPL-3.0-or-later
// The checks of the saving exchange, as the text-change handlers run it on every keystroke.

#include <QTest>

#include "editor_fixture.h"

namespace {

const QString NOT_A_NUMBER = QString::fromUtf8("请键入一个数。");

QString RangeMessage(const char *minimum, const char *maximum) {
  return QString::fromUtf8("“请填入一个在%1和%2之间的数字。”").arg(QString::fromUtf8(minimum), QString::fromUtf8(maximum));
}

}  // namespace

TEST_F(EditorTest, LettersAreNoNumberAndTheEditIsHandedBackSelected) {
  TypeOver(ControlId::RX_FREQUENCY_EDIT, QStringLiteral("4"));
  ASSERT_EQ(dialog->State().working.rxFrequency, 40000);
  Type(ControlId::RX_FREQUENCY_EDIT, QStringLiteral("x"));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0], NOT_A_NUMBER);
  EXPECT_EQ(FocusedControl(), Edit(ControlId::RX_FREQUENCY_EDIT));
  EXPECT_EQ(Edit(ControlId::RX_FREQUENCY_EDIT)->selectedText(), QStringLiteral("4x"));
  EXPECT_EQ(dialog->Members().rxFrequencyMhz, 4.0);
  EXPECT_EQ(dialog->State().working.rxFrequency, 40000);
}

TEST_F(EditorTest, ZeroTextsPassOrFailByTheirFirstCharacter) {
  const struct {
    const char *text;
    bool passes;
  } cases[] = {{"0", true}, {" 0 ", true}, {"0.000", true}, {"-0", false}, {"+0", false}};
  for (const auto &c : cases) {
    TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("7"));
    sink.messages.clear();
    PasteOver(ControlId::TX_FREQUENCY_EDIT, QString::fromUtf8(c.text));
    EXPECT_EQ(sink.messages.empty(), c.passes) << c.text;
    EXPECT_EQ(dialog->State().working.txFrequency, c.passes ? 0 : 70000) << c.text;
  }
}

TEST_F(EditorTest, EmptyingAnEditShowsTheNumberMessageAndKeepsTheField) {
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("438"));
  QTest::keyClick(Edit(ControlId::TX_FREQUENCY_EDIT), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(Edit(ControlId::TX_FREQUENCY_EDIT), Qt::Key_Delete);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0], NOT_A_NUMBER);
  EXPECT_EQ(dialog->State().working.txFrequency, 4380000);
}

TEST_F(EditorTest, RangeFailuresNameTheLimitsAndKeepTheTypedNumber) {
  const struct {
    int editId;
    const char *passing;
    const char *failing;
    double failingValue;
    double DialogMembers::*member;
    const char *minimum;
    const char *maximum;
  } cases[] = {
      {ControlId::RX_FREQUENCY_EDIT, "10000000", "10000001", 10000001.0,
       &DialogMembers::rxFrequencyMhz, "0", "10000000"},
      {ControlId::RX_FREQUENCY_EDIT, "0", "-1", -1.0, &DialogMembers::rxFrequencyMhz, "0",
       "10000000"},
      {ControlId::TOT_EDIT, "100", "100.5", 100.5, &DialogMembers::totMinutes, "0", "100"},
      {ControlId::BAND_EDIT, "1000", "1001", 1001.0, &DialogMembers::bandMhz, "0", "1000"},
  };
  for (const auto &c : cases) {
    sink.messages.clear();
    PasteOver(c.editId, QString::fromUtf8(c.passing));
    EXPECT_TRUE(sink.messages.empty()) << c.passing;
    PasteOver(c.editId, QString::fromUtf8(c.failing));
    ASSERT_EQ(sink.messages.size(), 1u) << c.failing;
    EXPECT_EQ(sink.messages[0], RangeMessage(c.minimum, c.maximum));
    EXPECT_EQ(FocusedControl(), Edit(c.editId));
    EXPECT_EQ(Edit(c.editId)->selectedText(), QString::fromUtf8(c.failing));
    EXPECT_EQ(dialog->Members().*c.member, c.failingValue);
    PasteOver(c.editId, QString::fromUtf8(c.passing));  // a valid edit for the next case
  }
}

TEST_F(EditorTest, TransmitFrequencyHasNoRangeAndHugeValuesSaturate) {
  for (const char *text : {"100000000000", "1e300", "1e400"}) {
    PasteOver(ControlId::TX_FREQUENCY_EDIT, QString::fromUtf8(text));
    EXPECT_TRUE(sink.messages.empty()) << text;
    EXPECT_EQ(dialog->State().working.txFrequency, 2147483647) << text;
  }
  PasteOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("-1e300"));
  EXPECT_EQ(dialog->State().working.txFrequency, -2147483647 - 1);
}

// The collect stops at the first edit it cannot read, with its message each time; the edit the
// user changed still takes its own number, so that no later field keeps a value it no longer
// shows.
TEST_F(EditorTest, AnEarlierEditThatIsNoNumberStopsTheCollectButNotTheChangedEdit) {
  TypeOver(ControlId::RX_FREQUENCY_EDIT, QStringLiteral("430"));
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("x"));
  ASSERT_EQ(sink.messages.size(), 1u);
  sink.messages.clear();

  QTest::keyClick(Edit(ControlId::RX_FREQUENCY_EDIT), Qt::Key_End);
  Type(ControlId::RX_FREQUENCY_EDIT, QStringLiteral("5"));  // "4305" in the edit
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0], NOT_A_NUMBER);
  EXPECT_EQ(FocusedControl(), Edit(ControlId::TX_FREQUENCY_EDIT));
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->selectedText(), QStringLiteral("x"));
  EXPECT_EQ(dialog->Members().rxFrequencyMhz, 4305.0);
  EXPECT_EQ(dialog->State().working.rxFrequency, 43050000);

  const double totBefore = dialog->Members().totMinutes;
  TypeOver(ControlId::BAND_EDIT, QStringLiteral("4"));
  EXPECT_EQ(dialog->State().working.band, 40000);
  EXPECT_EQ(dialog->Members().totMinutes, totBefore) << "an edit the user did not change keeps its member";
  EXPECT_EQ(sink.messages.size(), 2u);
}

TEST_F(EditorTest, TextLengthsCountGbkBytesAndStopTheLaterSteps) {
  // The read-only edits hold program texts only; a text too long for its member must still be
  // caught, and the steps after it keep their old values but for the edit the user changed.
  Edit(ControlId::SELECTED_SPACING_EDIT)->setText(QString::fromUtf8("所选编码"));  // 8 bytes
  TypeOver(ControlId::BAND_EDIT, QStringLiteral("4"));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(dialog->State().working.band, 40000);

  Edit(ControlId::SELECTED_SPACING_EDIT)->setText(QString::fromUtf8("所选编码1"));  // 9 bytes
  Type(ControlId::BAND_EDIT, QStringLiteral("3"));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0], QString::fromUtf8("“请填入不多于8个的字符。”"));
  EXPECT_EQ(dialog->Members().selectedSpacingText, QString::fromUtf8("所选编码1"));
  EXPECT_EQ(FocusedControl(), Edit(ControlId::SELECTED_SPACING_EDIT));
  EXPECT_EQ(dialog->State().working.band, 430000);

  sink.messages.clear();
  Edit(ControlId::SELECTED_SPACING_EDIT)->setText(QStringLiteral("25Khz"));
  Edit(ControlId::SELECTED_RX_CODE_EDIT)->setText(QString::fromUtf8("所选编码"));  // 8 > 6
  Edit(ControlId::BAND_EDIT)->setText(QStringLiteral("44"));  // changed, but not by the user
  TypeOver(ControlId::TOT_EDIT, QStringLiteral("3"));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0], QString::fromUtf8("“请填入不多于6个的字符。”"));
  EXPECT_EQ(dialog->State().working.tot, 30);  // 1018 comes after 1019, and still takes its "3"
  EXPECT_EQ(dialog->Members().bandMhz, 43.0);  // 1036 comes after both: not collected
}

TEST_F(EditorTest, ARefreshRewritesEditsFromTheirMembers) {
  PasteOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("438.01250"));
  ClickEntry(ControlId::SQUELCH_LIST, 5);
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("438.0125"));
  EXPECT_EQ(dialog->State().working.txFrequency, 4380125);

  Type(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("z"));
  ASSERT_EQ(sink.messages.size(), 1u);
  ClickEntry(ControlId::SPACING_LIST, 0);
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("438.0125"));
  EXPECT_EQ(sink.messages.size(), 1u);  // the rewritten text ran no handler
}

TEST_F(EditorTest, ARefreshLeavesAnEditWhoseTextIsUnchangedAsItWas) {
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("438.0125"));
  QLineEdit *edit = Edit(ControlId::TX_FREQUENCY_EDIT);
  edit->setCursorPosition(3);
  ClickEntry(ControlId::SQUELCH_LIST, 2);
  EXPECT_EQ(edit->cursorPosition(), 3);
  EXPECT_TRUE(edit->isUndoAvailable());  // the typing can still be undone
}

TEST_F(EditorTest, InputThatReachesAControlDuringAnExchangeRunsNoHandler) {
  // The modal message box normally keeps input away; input that reaches a control all the same
  // (here sent to it directly) must not start a handler inside the running exchange.
  sink.whileShown = [this] {
    QTest::keyClick(List(ControlId::SQUELCH_LIST), Qt::Key_Down);
    Type(ControlId::BAND_EDIT, QStringLiteral("4"));
  };
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("x"));
  EXPECT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(List(ControlId::SQUELCH_LIST)->GetCurSel(), 4);
  EXPECT_EQ(dialog->State().working.squelch, 200);
  EXPECT_EQ(dialog->State().working.band, 0);
}
