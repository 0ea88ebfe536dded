// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "dialog_number.h"

namespace {

struct ParseCase {
  const char *text;
  bool isNumber;
  double value;  // when isNumber
};

class DialogNumberParse : public ::testing::TestWithParam<ParseCase> {};

}  // namespace

TEST_P(DialogNumberParse, ReadsTheTextAsTheExchangeDoes) {
  const ParseCase &c = GetParam();
  double value = -12345.0;
  EXPECT_EQ(ParseDialogNumber(c.text, value), c.isNumber) << '"' << c.text << '"';
  EXPECT_DOUBLE_EQ(value, c.isNumber ? c.value : -12345.0) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    ZeroRule, DialogNumberParse,
    ::testing::Values(ParseCase{"0", true, 0.0}, ParseCase{" 0 ", true, 0.0},
                      ParseCase{"\t0\t", true, 0.0}, ParseCase{"0.0", true, 0.0},
                      ParseCase{"00", true, 0.0}, ParseCase{"0e5", true, 0.0},
                      ParseCase{"-0", false, 0.0}, ParseCase{"+0", false, 0.0},
                      ParseCase{".0", false, 0.0}, ParseCase{"", false, 0.0},
                      ParseCase{"   ", false, 0.0}, ParseCase{"1e-400", false, 0.0},
                      ParseCase{"-1e-400", false, 0.0}));

INSTANTIATE_TEST_SUITE_P(
    DecimalForms, DialogNumberParse,
    ::testing::Values(ParseCase{"438.0125", true, 438.0125}, ParseCase{"-5", true, -5.0},
                      ParseCase{"+5", true, 5.0}, ParseCase{"438.", true, 438.0},
                      ParseCase{".5", true, 0.5}, ParseCase{"1e3", true, 1000.0},
                      ParseCase{"1E+3", true, 1000.0}, ParseCase{"25e-1", true, 2.5},
                      ParseCase{"  12.5\t ", true, 12.5}, ParseCase{"1e-310", true, 1e-310}));

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, DialogNumberParse,
    ::testing::Values(ParseCase{"abc", false, 0.0}, ParseCase{"12a", false, 0.0},
                      ParseCase{"1e", false, 0.0}, ParseCase{"1e+", false, 0.0},
                      ParseCase{"1.2.3", false, 0.0}, ParseCase{"--1", false, 0.0},
                      ParseCase{"- 1", false, 0.0}, ParseCase{".", false, 0.0},
                      ParseCase{"1 2", false, 0.0}, ParseCase{"5\n", false, 0.0},
                      ParseCase{"1,5", false, 0.0}, ParseCase{"４", false, 0.0},
                      ParseCase{"0x10", false, 0.0}, ParseCase{"0X1p3", false, 0.0},
                      ParseCase{"inf", false, 0.0}, ParseCase{"-INF", false, 0.0},
                      ParseCase{"infinity", false, 0.0}, ParseCase{"nan", false, 0.0},
                      ParseCase{"NAN(1)", false, 0.0}));

// strtod skips every kind of white space before the number, so after the blanks and tabs a
// newline is skipped as well; the zero rule still looks at the first character after the
// blanks and tabs.
INSTANTIATE_TEST_SUITE_P(
    WhiteSpaceAfterTheBlanks, DialogNumberParse,
    ::testing::Values(ParseCase{"\n5", true, 5.0}, ParseCase{" \f7", true, 7.0},
                      ParseCase{"\n0", false, 0.0}));

TEST(DialogNumber, OnlyTheFirst31CharactersAreRead) {
  double value = 0.0;
  const std::string padded = "438.0125" + std::string(23, ' ');  // 31 characters
  ASSERT_EQ(padded.size(), 31u);
  EXPECT_TRUE(ParseDialogNumber(padded + "x", value));
  EXPECT_DOUBLE_EQ(value, 438.0125);
  EXPECT_FALSE(ParseDialogNumber(std::string(30, ' ') + "x", value));
  // A number that runs past character 31 is read cut: 31 digits of ones.
  EXPECT_TRUE(ParseDialogNumber(std::string(40, '1'), value));
  EXPECT_DOUBLE_EQ(value, 1111111111111111111111111111111.0);
}

TEST(DialogNumber, ReadingStopsAtANulByte) {
  double value = 0.0;
  EXPECT_TRUE(ParseDialogNumber(std::string("12\0abc", 6), value));
  EXPECT_DOUBLE_EQ(value, 12.0);
}

TEST(DialogNumber, ExponentOverflowIsANumberOfInfiniteSize) {
  double value = 0.0;
  EXPECT_TRUE(ParseDialogNumber("1e400", value));
  EXPECT_TRUE(std::isinf(value) && value > 0);
  EXPECT_TRUE(ParseDialogNumber("-1e400", value));
  EXPECT_TRUE(std::isinf(value) && value < 0);
}

TEST(DialogNumber, FormatsWithFifteenSignificantDigits) {
  const struct {
    double value;
    const char *text;
  } cases[] = {
      {4380125 * 0.0001, "438.0125"}, {16777215 * 0.0001, "1677.7215"}, {255 * 0.1, "25.5"},
      {3 * 0.1, "0.3"},               {50 * 0.1, "5"},                 {0.0, "0"},
      {3500000 * 0.0001, "350"},      {10000000.0, "10000000"},        {1e300, "1e+300"},
      {438.01250, "438.0125"},        {-5.0, "-5"},                    {1.0 / 3.0, "0.333333333333333"},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(FormatDialogNumber(c.value), c.text);
  }
}

TEST(DialogNumber, EveryShownFieldValueReadsBackToItself) {
  for (int units : {0, 1, 125, 3500000, 4380125, 4500000, 16777215}) {
    double value = -1.0;
    const double shown = units * 0.0001;
    ASSERT_TRUE(ParseDialogNumber(FormatDialogNumber(shown), value)) << units;
    EXPECT_EQ(static_cast<int>(value * 10000.0), units);
  }
}
