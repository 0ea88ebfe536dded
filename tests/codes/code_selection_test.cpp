// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "code_selection.h"
#include "code_tables.h"

namespace {

struct DirectionMasks {
  const char *name;
  CodeDirection direction;
  int dcsKeep;   // AND mask for "DCS"
  int dcsSet;    // OR value for "DCS"
  int ctcssSet;  // OR value for "CTCSS"
  int noneKeep;  // AND mask for "无"
};

// The flag arithmetic of each direction, written out as plain masks.
constexpr DirectionMasks DIRECTIONS[] = {
    {"transmit", TX_CODE_BITS, 0xDF, 0x08, 0x28, 0xF7},
    {"receive", RX_CODE_BITS, 0xBF, 0x10, 0x50, 0xEF},
};

}  // namespace

TEST(CodeSelection, ChosenTypeChangesOnlyThatDirectionsBitsForEveryFlagsByte) {
  for (const DirectionMasks &d : DIRECTIONS) {
    for (int value = 0; value < 256; ++value) {
      const auto flags = static_cast<std::uint8_t>(value);
      EXPECT_EQ(FlagsForChosenType(flags, d.direction, CodeType::DCS), (value & d.dcsKeep) | d.dcsSet)
          << d.name << ' ' << value;
      EXPECT_EQ(FlagsForChosenType(flags, d.direction, CodeType::CTCSS), value | d.ctcssSet)
          << d.name << ' ' << value;
      EXPECT_EQ(FlagsForChosenType(flags, d.direction, CodeType::NONE), value & d.noneKeep)
          << d.name << ' ' << value;
    }
  }
}

TEST(CodeSelection, ChosenTypeIsTheTypeTheFlagsThenTell) {
  for (const DirectionMasks &d : DIRECTIONS) {
    for (int value = 0; value < 256; ++value) {
      const auto flags = static_cast<std::uint8_t>(value);
      for (const CodeType chosen : {CodeType::NONE, CodeType::CTCSS, CodeType::DCS}) {
        EXPECT_EQ(CodeTypeOf(FlagsForChosenType(flags, d.direction, chosen), d.direction), chosen)
            << d.name << ' ' << value;
      }
    }
  }
}

TEST(CodeSelection, NoneKeepsTheCtcssBitForALaterChoice) {
  std::uint8_t flags = 0;
  flags = FlagsForChosenType(flags, TX_CODE_BITS, CodeType::CTCSS);
  flags = FlagsForChosenType(flags, TX_CODE_BITS, CodeType::NONE);
  EXPECT_EQ(flags, FLAG_TX_CTCSS);
  EXPECT_EQ(FlagsForChosenType(flags, TX_CODE_BITS, CodeType::DCS), FLAG_TX_CODED);
  EXPECT_EQ(FlagsForChosenType(flags, TX_CODE_BITS, CodeType::CTCSS), FLAG_TX_CODED | FLAG_TX_CTCSS);
}

TEST(CodeSelection, PickIsEncodedUnderTheTypeTheFlagsTell) {
  for (const DirectionMasks &d : DIRECTIONS) {
    for (int value = 0; value < 256; ++value) {
      const auto flags = static_cast<std::uint8_t>(value);
      const bool coded = (flags & d.direction.codedBit) != 0;
      const bool ctcss = (flags & d.direction.ctcssBit) != 0;
      for (int position = 0; position < static_cast<int>(DCS_LIST_SIZE); ++position) {
        int expected = 0;
        if (coded && ctcss) {
          expected = position < static_cast<int>(CTCSS_TONE_COUNT) ? position : 0;
        } else if (coded) {
          expected = EncodeCodeByte(CodeType::DCS, position);
        }
        ASSERT_EQ(CodeByteForPick(flags, d.direction, position), expected)
            << d.name << " flags " << value << " position " << position;
      }
    }
  }
}

TEST(CodeSelection, PickingAfterChoosingATypeGivesTheNotedBytes) {
  // "CTCSS" then "100" for transmit.
  std::uint8_t flags = FlagsForChosenType(0, TX_CODE_BITS, CodeType::CTCSS);
  EXPECT_EQ(CodeByteForPick(flags, TX_CODE_BITS, 11), 11);
  EXPECT_EQ(flags & (FLAG_TX_CODED | FLAG_TX_CTCSS), FLAG_TX_CODED | FLAG_TX_CTCSS);

  // "DCS" then "172I" for receive, starting from a receive CTCSS.
  flags = FlagsForChosenType(FLAG_RX_CODED | FLAG_RX_CTCSS, RX_CODE_BITS, CodeType::DCS);
  EXPECT_EQ(flags, FLAG_RX_CODED);
  EXPECT_EQ(CodeByteForPick(flags, RX_CODE_BITS, 110), 0x85);

  // "023N" and "67" are both byte 0: only the flags tell them apart.
  EXPECT_EQ(CodeByteForPick(FLAG_TX_CODED, TX_CODE_BITS, 0), 0);
  EXPECT_EQ(CodeByteForPick(FLAG_TX_CODED | FLAG_TX_CTCSS, TX_CODE_BITS, 0), 0);
}

TEST(CodeSelection, TypeChangeWithoutAPickKeepsTheFormerByte) {
  // txCode 11 ("100") kept after switching to DCS reads back as "071N".
  const std::uint8_t flags = FlagsForChosenType(FLAG_TX_CODED | FLAG_TX_CTCSS, TX_CODE_BITS, CodeType::DCS);
  const int position = DecodeCodeByte(CodeTypeOf(flags, TX_CODE_BITS), 11);
  EXPECT_EQ(position, 10);
  EXPECT_STREQ(DCS_CODE_LIST[static_cast<std::size_t>(position)], "071N");
}

TEST(CodeSelection, TableListHoldsTheTableOfTheType) {
  const CodeTableEntries ctcss = CodeTableFor(CodeType::CTCSS);
  ASSERT_EQ(ctcss.count, 38u);
  EXPECT_STREQ(ctcss.texts[0], "67");
  EXPECT_STREQ(ctcss.texts[37], "250.3");
  const CodeTableEntries dcs = CodeTableFor(CodeType::DCS);
  ASSERT_EQ(dcs.count, 166u);
  EXPECT_STREQ(dcs.texts[0], "023N");
  EXPECT_STREQ(dcs.texts[83], "023I");
  EXPECT_STREQ(dcs.texts[165], "754I");
  EXPECT_EQ(CodeTableFor(CodeType::NONE).count, 0u);
}

TEST(CodeSelection, TypeListPositionsFollowTheSortedTexts) {
  EXPECT_EQ(CodeTypeListPosition(CodeType::CTCSS), 0);
  EXPECT_EQ(CodeTypeListPosition(CodeType::DCS), 1);
  EXPECT_EQ(CodeTypeListPosition(CodeType::NONE), 2);
  // Byte order of the UTF-8 texts gives the same order as the sorted list.
  EXPECT_LT(std::strcmp(CODE_TYPE_CTCSS_TEXT, CODE_TYPE_DCS_TEXT), 0);
  EXPECT_LT(std::strcmp(CODE_TYPE_DCS_TEXT, CODE_TYPE_NONE_TEXT), 0);
  EXPECT_STREQ(CODE_TYPE_NONE_TEXT, "\xE6\x97\xA0");  // "无" in UTF-8
}
