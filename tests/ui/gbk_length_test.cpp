// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "gbk_length.h"

TEST(GbkLength, AsciiCountsOneAndChineseTwo) {
  const struct {
    const char *text;
    std::size_t bytes;
  } cases[] = {
      {"", 0},        {"25Khz", 5},       {"12.5Khz", 7},  {"3级", 3},
      {"所选编码", 8}, {"023N", 4},         {"（", 2},        {"－", 2},
      {"频道窄/宽选择", 13},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(GbkByteCount(c.text), c.bytes) << c.text;
  }
}

TEST(GbkLength, CharactersOutsideGbkCountAsOneQuestionMark) {
  EXPECT_EQ(GbkByteCount("\xF0\x9F\x93\xBB"), 1u);       // U+1F4FB, a radio emoji
  EXPECT_EQ(GbkByteCount("a\xF0\x9F\x93\xBB" "b"), 3u);
}

TEST(GbkLength, MalformedUtf8NeverStopsTheCount) {
  EXPECT_EQ(GbkByteCount("\xFF" "ab"), 3u);
  EXPECT_EQ(GbkByteCount("ab\xE4\xB8"), 3u);  // a character cut short at the end
}

TEST(GbkLength, LongTextsAreCountedWhole) {
  std::string text;
  for (int i = 0; i < 500; ++i) {
    text += "频";
  }
  EXPECT_EQ(GbkByteCount(text), 1000u);
}
