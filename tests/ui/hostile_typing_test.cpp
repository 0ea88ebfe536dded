// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile texts typed key by key. Every keystroke runs the collect, and a failing one hands the
// edit back with its whole text selected, so the next key replaces it: what finally stands in
// the edit is often not what was typed. Channel 1 starts valid: band 430, both frequencies
// 438.025, 5 minutes. Also: the read-only edits take no typing at all.

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <ostream>
#include <string>

#include "hostile_input.h"

namespace {

struct TypedCase {
  const char *name;
  const NumberEdit *edit;
  std::vector<Stroke> strokes;
  std::string finalText;  // what the edit holds afterwards
  Outcome outcome;
};

void PrintTo(const TypedCase &typed, std::ostream *out) {
  *out << typed.name << " in " << typed.edit->name;
}

const std::string THOUSAND_NINES(1000, '9');

const std::vector<TypedCase> &TypedCases() {
  static const std::vector<TypedCase> cases = {
      {"LettersLeaveTheLastOne", &TX_FREQUENCY, {Chars("abc")}, "c", Took("NNN", KEEP, KEEP, PASSES)},
      {"BlanksOnly", &TX_FREQUENCY, {Chars("   ")}, " ", Took("NNN", KEEP, KEEP, PASSES)},
      {"NotANumberWord", &RX_FREQUENCY, {Chars("nan")}, "n", Took("NNN", KEEP, KEEP, PASSES)},
      {"InfinityWord", &TIME_LIMIT, {Chars("inf")}, "f", Took("NNN", KEEP, KEEP, PASSES)},
      {"EmptiedWithBackspace", &BAND, {Key(Qt::Key_Backspace)}, "", NoNumber()},
      {"FullWidthDigits", &TX_FREQUENCY, {Chars("４３８")}, "８", Took("NNN", KEEP, KEEP, PASSES)},
      {"ChineseFromAnInputMethod", &BAND, {Commit("频率")}, "频率", NoNumber()},
      // The lone sign fails and is replaced by the digit after it.
      {"MinusZeroEndsAsZero", &RX_FREQUENCY, {Chars("-0")}, "0", Took("N", 0, 0, DISTANCE_RULE)},
      {"MinusFirstIsReplaced", &BAND, {Chars("-438.0125")}, "438.0125",
       Took("N", 4380125, 4380125, BAND_RULE)},
      // "1e" fails, so the exponent's digits start a new number.
      {"OverflowEndsAsItsExponent", &TX_FREQUENCY, {Chars("1e400")}, "400",
       Took("N", 4000000, 4000000, DISTANCE_RULE)},
      {"OverflowIntoTheBand", &BAND, {Chars("1e400")}, "400",
       Took("N", 4000000, 4000000, CHANNEL_1_RX_OUT_OF_BAND)},
      {"NegativeOverflow", &TIME_LIMIT, {Chars("-1e400")}, "400",
       Took("NNR", 4000, 0xFF, TIME_LIMIT_RULE)},
      {"Underflow", &RX_FREQUENCY, {Chars("1e-400")}, "400",
       Took("NN", 4000000, 4000000, DISTANCE_RULE)},
      {"Hexadecimal", &TIME_LIMIT, {Chars("0x10")}, "10", Took("N", 100, 100, PASSES)},
      {"Huge", &RX_FREQUENCY, {Chars("1e11")}, "11", Took("N", 110000, 110000, DISTANCE_RULE)},
      // A thousand digits: without a range all of them stay; with one, every key that leaves the
      // range starts the text over (every 8th key for 1020, every 4th for 1036, every 3rd for 1018).
      {"ThousandDigits", &TX_FREQUENCY, {Chars(THOUSAND_NINES)}, THOUSAND_NINES,
       Took("", INT_MAX_32, FF_FF_FF, DISTANCE_RULE)},
      {"ThousandDigits", &RX_FREQUENCY, {Chars(THOUSAND_NINES)}, "99999999",
       Took(std::string(125, 'R').c_str(), INT_MAX_32, FF_FF_FF, DISTANCE_RULE)},
      {"ThousandDigits", &BAND, {Chars(THOUSAND_NINES)}, "9999",
       Took(std::string(250, 'R').c_str(), 99990000, FF_FF_FF, BAND_RULE)},
      {"ThousandDigits", &TIME_LIMIT, {Chars(THOUSAND_NINES)}, "9",
       Took(std::string(333, 'R').c_str(), 90, 90, PASSES)},
      // The letter counts at character 31 and not at 32; after a failure the field keeps the
      // value of the last text that was a number.
      {"ThirtyDigitsThenALetter", &TX_FREQUENCY, {Chars(std::string(30, '1') + "x")},
       std::string(30, '1') + "x", Took("N", INT_MAX_32, FF_FF_FF, DISTANCE_RULE)},
      {"ThirtyOneDigitsThenALetter", &TX_FREQUENCY, {Chars(std::string(31, '1') + "x")},
       std::string(31, '1') + "x", Took("", INT_MAX_32, FF_FF_FF, DISTANCE_RULE)},
      {"LetterAtCharacter31", &TX_FREQUENCY, {Chars("440" + std::string(27, ' ') + "x")},
       "440" + std::string(27, ' ') + "x", Took("N", 4400000, 4400000, PASSES)},
      {"LetterAtCharacter32", &TX_FREQUENCY, {Chars("440" + std::string(28, ' ') + "x")},
       "440" + std::string(28, ' ') + "x", Took("", 4400000, 4400000, PASSES)},
      // Enter types nothing into an edit and does nothing in the window.
      {"EnterBetweenDigits", &RX_FREQUENCY, {Chars("438\n0125")}, "4380125",
       Took("", INT_MAX_32, FF_FF_FF, DISTANCE_RULE)},
      {"EnterBetweenDigits", &TIME_LIMIT, {Chars("438\n0125")}, "0125",
       Took("RR", 1250, 0xFF, TIME_LIMIT_RULE)},
      // A minus sign can only be typed before digits that are already there.
      {"NegativeByHomeThenMinus", &TX_FREQUENCY, {Chars("438.025"), Key(Qt::Key_Home), Chars("-")},
       "-438.025", Took("", -4380250, FF_FF_FF, DISTANCE_RULE)},
      {"NegativeByHomeThenMinus", &RX_FREQUENCY, {Chars("438.025"), Key(Qt::Key_Home), Chars("-")},
       "-438.025", Took("R", -4380250, FF_FF_FF, DISTANCE_RULE)},
      {"NegativeByHomeThenMinus", &TIME_LIMIT, {Chars("5"), Key(Qt::Key_Home), Chars("-")}, "-5",
       Took("R", -50, 0xFF, TIME_LIMIT_RULE)},
  };
  return cases;
}

class TypedHostileText : public HostileInputTest, public ::testing::WithParamInterface<TypedCase> {};

}  // namespace

TEST_P(TypedHostileText, EndsAsTheRulesSayKeyByKey) {
  const TypedCase &c = GetParam();
  TypeInto(*c.edit, c.strokes);
  EXPECT_EQ(Edit(c.edit->id)->text(), QString::fromStdString(c.finalText));
  ExpectEntered(*c.edit, c.outcome);
  ExpectStoredAndJudged(*c.edit, c.outcome);
}

INSTANTIATE_TEST_SUITE_P(NumberEdits, TypedHostileText, ::testing::ValuesIn(TypedCases()),
                         [](const ::testing::TestParamInfo<TypedCase> &param) {
                           return std::string(param.param.name) + "_In" + param.param.edit->name;
                         });

TEST_F(HostileInputTest, ReadOnlyEditsTakeNoTypingPastingCuttingOrInputMethodText) {
  ClickEntry(ControlId::TX_CODE_TYPE_LIST, 0);
  ClickEntry(ControlId::TX_CODE_TABLE_LIST, 11);  // "100" in 1021
  ClickEntry(ControlId::RX_CODE_TYPE_LIST, 1);
  ClickEntry(ControlId::RX_CODE_TABLE_LIST, 0);  // "023N" in 1019
  const WorkingChannel working = dialog->State().working;
  const ChannelImage image = dialog->State().image;
  QGuiApplication::clipboard()->setText(QStringLiteral("438"));

  for (const int id : {ControlId::SELECTED_RX_CODE_EDIT, ControlId::SELECTED_TX_CODE_EDIT,
                       ControlId::SELECTED_SQUELCH_EDIT, ControlId::SELECTED_SPACING_EDIT}) {
    QLineEdit *edit = Edit(id);
    const QString shown = edit->text();
    ASSERT_FALSE(shown.isEmpty()) << id;
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_EQ(FocusedControl(), edit) << id << " takes the focus, so the keys below reach it";
    // A Chinese input method stays off where the edit declines it, and a commit sent all the
    // same is dropped.
    EXPECT_FALSE(edit->inputMethodQuery(Qt::ImEnabled).toBool()) << id;
    TypeStrokes({Chars("12ab４"), Key(Qt::Key_Backspace), Key(Qt::Key_Delete), Commit("频率")});
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_X, Qt::Key_V, Qt::Key_Z}) {
      QTest::keyClick(edit, key, Qt::ControlModifier);
    }
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), shown) << id;
  }
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(dialog->State().working, working);
  EXPECT_EQ(dialog->State().image.bytes, image.bytes);
}

TEST_F(HostileInputTest, AnOverflowKeptInTheTransmitMemberShowsAsInfAndStopsLaterCollects) {
  PasteOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("1e400"));  // no range: kept, infinite
  ASSERT_TRUE(sink.messages.empty());
  // Choosing "无" again for the transmit code changes nothing but refreshes every edit.
  ClickEntry(ControlId::TX_CODE_TYPE_LIST, 2);
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("inf"));
  EXPECT_EQ(dialog->State().working.txFrequency, INT_MAX_32);

  // The collect stops at "inf", but the receive frequency still takes what its edit shows.
  TypeInto(RX_FREQUENCY, {Chars("4")});
  EXPECT_EQ(sink.messages, ExpectedMessages(TX_FREQUENCY, "N"));
  EXPECT_EQ(FocusedControl(), Edit(ControlId::TX_FREQUENCY_EDIT));
  EXPECT_EQ(dialog->State().working.rxFrequency, 40000);
  sink.messages.clear();
  ClickButton(ControlId::WRITE_BUTTON);
  EXPECT_EQ(sink.messages, std::vector<QString>{QString::fromUtf8(DISTANCE_RULE)});
  EXPECT_EQ(ImageField(TX_FREQUENCY), FF_FF_FF);
  EXPECT_EQ(ImageField(RX_FREQUENCY), 40000);
}
