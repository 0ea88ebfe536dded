// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile texts pasted whole into each of the four number edits: what reaches the edit, the one
// message (or none), the WorkingChannel field, the image, and what Write's validation then says
// about channel 1. Outcomes are given for transmit frequency, receive frequency, time limit and
// band, in that order. Channel 1 starts valid: band 430, both frequencies 438.025, 5 minutes.

#include <array>
#include <ostream>
#include <string>
#include <tuple>

#include "hostile_input.h"

namespace {

struct HostileText {
  const char *name;
  std::string text;  // UTF-8
  std::array<Outcome, 4> outcomes;
};

// Failures name the case, not its bytes.
void PrintTo(const HostileText &hostile, std::ostream *out) { *out << hostile.name; }

const std::array<const NumberEdit *, 4> NUMBER_EDITS = {&TX_FREQUENCY, &RX_FREQUENCY, &TIME_LIMIT,
                                                        &BAND};

std::array<Outcome, 4> NoNumberAnywhere() { return {NoNumber(), NoNumber(), NoNumber(), NoNumber()}; }

// A number beyond every field: the frequency edit without a range takes it silently, the others
// report their range but keep it; every field saturates instead of wrapping, and validation
// refuses what was stored.
std::array<Outcome, 4> Beyond(std::int64_t field, std::int64_t totField) {
  return {Took("", field, FF_FF_FF, DISTANCE_RULE), Took("R", field, FF_FF_FF, DISTANCE_RULE),
          Took("R", totField, 0xFF, TIME_LIMIT_RULE), Took("R", field, FF_FF_FF, BAND_RULE)};
}

// A number below every field: it is taken as for Beyond, and stored as each field's top too,
// never as 0, which in a frequency means "not set".
std::array<Outcome, 4> Below(std::int64_t field, std::int64_t totField) {
  return {Took("", field, FF_FF_FF, DISTANCE_RULE), Took("R", field, FF_FF_FF, DISTANCE_RULE),
          Took("R", totField, 0xFF, TIME_LIMIT_RULE), Took("R", field, FF_FF_FF, BAND_RULE)};
}

// 440 read whole: both frequencies stay valid, the time limit is out of its range, and a band of
// 440 leaves 438.025 below the band window.
std::array<Outcome, 4> Read440() {
  return {Took("", 4400000, 4400000, PASSES), Took("", 4400000, 4400000, PASSES),
          Took("R", 4400, 0xFF, TIME_LIMIT_RULE),
          Took("", 4400000, 4400000, CHANNEL_1_RX_OUT_OF_BAND)};
}

const std::vector<HostileText> &HostileTexts() {
  static const std::vector<HostileText> texts = {
      {"Empty", "", NoNumberAnywhere()},
      {"BlanksOnly", "   ", NoNumberAnywhere()},
      {"Letters", "abc", NoNumberAnywhere()},
      {"NumberWithUnit", "438MHz", NoNumberAnywhere()},
      {"MinusZero", "-0", NoNumberAnywhere()},
      {"Underflow", "1e-400", NoNumberAnywhere()},
      {"Infinity", "inf", NoNumberAnywhere()},
      {"NotANumber", "nan", NoNumberAnywhere()},
      {"Hexadecimal", "0x10", NoNumberAnywhere()},
      {"FullWidthDigits", "４３８", NoNumberAnywhere()},
      {"ChineseText", "频率", NoNumberAnywhere()},
      // QLineEdit keeps the line break of a pasted text; a number must end the text.
      {"TwoLines", "438\n0125", NoNumberAnywhere()},
      {"TrailingLineBreak", "438\n", NoNumberAnywhere()},
      {"ThirtyDigitsThenALetter", std::string(30, '1') + "x", NoNumberAnywhere()},
      {"LetterAtCharacter31", "440" + std::string(27, ' ') + "x", NoNumberAnywhere()},
      // Only the first 31 characters are read.
      {"ThirtyOneDigitsThenALetter", std::string(31, '1') + "x", Beyond(INT_MAX_32, INT_MAX_32)},
      {"LetterAtCharacter32", "440" + std::string(28, ' ') + "x", Read440()},
      {"ChineseAfterCharacter31", "7" + std::string(30, ' ') + "中文",
       {Took("", 70000, 70000, DISTANCE_RULE), Took("", 70000, 70000, DISTANCE_RULE),
        Took("", 70, 70, PASSES), Took("", 70000, 70000, BAND_RULE)}},
      {"TabsAndBlanksAround", "\t440 \t", Read440()},
      {"Overflow", "1e400", Beyond(INT_MAX_32, INT_MAX_32)},
      {"NegativeOverflow", "-1e400", Below(INT_MIN_32, INT_MIN_32)},
      {"ThousandDigits", std::string(1000, '9'), Beyond(INT_MAX_32, INT_MAX_32)},
      {"Huge", "1e11", Beyond(INT_MAX_32, INT_MAX_32)},
      {"NegativeFrequency", "-438.0125", Below(-4380125, -4380)},
      // The time limit's -0.125 tenths are truncated to 0, which breaks its rule anyway.
      {"JustBelowZero", "-0.0125",
       {Took("", -125, FF_FF_FF, DISTANCE_RULE), Took("R", -125, FF_FF_FF, DISTANCE_RULE),
        Took("R", 0, 0, TIME_LIMIT_RULE), Took("R", -125, FF_FF_FF, BAND_RULE)}},
      // Values whose low bits are a valid setting: 2117.7216 MHz is 440 MHz plus 2^24 units,
      // -1237.7216 MHz is 440 MHz minus 2^24 units; 30.6 and -20.6 minutes are 5.0 minutes
      // plus and minus 256 tenths.
      {"WrapsTo440WhenCut", "2117.7216",
       {Took("", 21177216, FF_FF_FF, DISTANCE_RULE), Took("", 21177216, FF_FF_FF, DISTANCE_RULE),
        Took("R", 21177, 0xFF, TIME_LIMIT_RULE), Took("R", 21177216, FF_FF_FF, BAND_RULE)}},
      {"NegativeWrapsTo440WhenCut", "-1237.7216", Below(-12377216, -12377)},
      {"TimeLimitWrapsTo5WhenCut", "30.6",
       {Took("", 306000, 306000, DISTANCE_RULE), Took("", 306000, 306000, DISTANCE_RULE),
        Took("", 306, 0xFF, TIME_LIMIT_RULE), Took("", 306000, 306000, BAND_RULE)}},
      {"NegativeTimeLimitWrapsTo5WhenCut", "-20.6", Below(-206000, -206)},
  };
  return texts;
}

class PastedHostileText
    : public HostileInputTest,
      public ::testing::WithParamInterface<std::tuple<HostileText, std::size_t>> {};

}  // namespace

TEST_P(PastedHostileText, ReachesTheEditWholeAndChangesOnlyWhatTheRulesSay) {
  const HostileText &hostile = std::get<0>(GetParam());
  const NumberEdit &edit = *NUMBER_EDITS[std::get<1>(GetParam())];
  const Outcome &outcome = hostile.outcomes[std::get<1>(GetParam())];
  const QString text = QString::fromStdString(hostile.text);

  PasteOver(edit.id, text);
  EXPECT_EQ(Edit(edit.id)->text(), text);
  ExpectEntered(edit, outcome);
  if (!outcome.messages.empty()) {  // handed back to the user, whole text selected
    EXPECT_EQ(FocusedControl(), Edit(edit.id));
    EXPECT_EQ(Edit(edit.id)->selectedText(), text);
  }
  ExpectStoredAndJudged(edit, outcome);
}

INSTANTIATE_TEST_SUITE_P(
    NumberEdits, PastedHostileText,
    ::testing::Combine(::testing::ValuesIn(HostileTexts()),
                       ::testing::Range(std::size_t{0}, NUMBER_EDITS.size())),
    [](const ::testing::TestParamInfo<PastedHostileText::ParamType> &param) {
      return std::string(std::get<0>(param.param).name) + "_In" +
             NUMBER_EDITS[std::get<1>(param.param)]->name;
    });

// Both frequencies empty is a valid "not set" channel: a transmit frequency just below zero must
// not pass as one.
TEST_F(HostileInputTest, NegativeTransmitBesideAnEmptyReceiveFrequencyIsRefused) {
  TypeInto(RX_FREQUENCY, {Chars("0")});
  PasteOver(TX_FREQUENCY.id, QStringLiteral("-0.0125"));
  sink.messages.clear();
  ClickButton(ControlId::WRITE_BUTTON);
  EXPECT_EQ(sink.messages, std::vector<QString>{QString::fromUtf8(DISTANCE_RULE)});
  EXPECT_EQ(ImageField(RX_FREQUENCY), 0);
  EXPECT_EQ(ImageField(TX_FREQUENCY), FF_FF_FF);
}
