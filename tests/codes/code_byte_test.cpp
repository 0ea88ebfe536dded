// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "code_byte.h"
#include "code_tables.h"
#include "dcs_mapping_rows.h"

namespace {

const char *DcsText(int position) { return DCS_CODE_LIST.at(static_cast<std::size_t>(position)); }

}  // namespace

TEST(CodeByte, TypeFollowsTheCodedAndCtcssBitsOfEachDirection) {
  for (int value = 0; value < 256; ++value) {
    const auto flags = static_cast<std::uint8_t>(value);
    const CodeType expectedTx = (value & 0x08) == 0 ? CodeType::NONE
                                : (value & 0x20) != 0 ? CodeType::CTCSS
                                                      : CodeType::DCS;
    const CodeType expectedRx = (value & 0x10) == 0 ? CodeType::NONE
                                : (value & 0x40) != 0 ? CodeType::CTCSS
                                                      : CodeType::DCS;
    EXPECT_EQ(CodeTypeOf(flags, TX_CODE_BITS), expectedTx) << value;
    EXPECT_EQ(CodeTypeOf(flags, RX_CODE_BITS), expectedRx) << value;
  }
}

TEST(CodeByte, EveryListPositionSurvivesEncodeThenDecode) {
  for (int position = 0; position < static_cast<int>(CTCSS_TONE_COUNT); ++position) {
    const int codeByte = EncodeCodeByte(CodeType::CTCSS, position);
    EXPECT_EQ(codeByte, position);
    EXPECT_EQ(DecodeCodeByte(CodeType::CTCSS, codeByte), position);
  }
  std::set<int> dcsBytes;
  for (int position = 0; position < static_cast<int>(DCS_LIST_SIZE); ++position) {
    const int codeByte = EncodeCodeByte(CodeType::DCS, position);
    ASSERT_GE(codeByte, 0);
    ASSERT_LE(codeByte, 0xFF);
    EXPECT_TRUE(dcsBytes.insert(codeByte).second) << DcsText(position) << " shares its byte";
    EXPECT_EQ(DecodeCodeByte(CodeType::DCS, codeByte), position) << DcsText(position);
  }
}

TEST(CodeByte, EveryRowOfTheMappingEncodesAndDecodesAsWritten) {
  for (const DcsMappingRow &row : DCS_MAPPING_ROWS) {
    EXPECT_EQ(EncodeCodeByte(CodeType::DCS, row.normalPosition), row.normalByte) << row.code << "N";
    EXPECT_EQ(EncodeCodeByte(CodeType::DCS, row.invertedPosition), row.invertedByte) << row.code << "I";
    EXPECT_EQ(DecodeCodeByte(CodeType::DCS, row.normalByte), row.normalPosition) << row.code << "N";
    EXPECT_EQ(DecodeCodeByte(CodeType::DCS, row.invertedByte), row.invertedPosition) << row.code << "I";
  }
}

TEST(CodeByte, EveryByteDecodesToAListPositionOrToNoEntry) {
  for (int codeByte = 0; codeByte < 256; ++codeByte) {
    const int ctcss = DecodeCodeByte(CodeType::CTCSS, codeByte);
    if (ctcss != NO_CODE_ENTRY) {
      EXPECT_EQ(ctcss, codeByte);
      EXPECT_LT(ctcss, static_cast<int>(CTCSS_TONE_COUNT));
    }
    const int dcs = DecodeCodeByte(CodeType::DCS, codeByte);
    if (dcs != NO_CODE_ENTRY) {
      EXPECT_GE(dcs, 0) << codeByte;
      EXPECT_LT(dcs, static_cast<int>(DCS_LIST_SIZE)) << codeByte;
    }
  }
}

TEST(CodeByte, ExactlyTheUnlistedBytesHaveNoEntry) {
  for (int codeByte = 0; codeByte < 256; ++codeByte) {
    const bool ctcssWithout = codeByte >= 38;
    const bool dcsWithout = codeByte == 0x9C || codeByte >= 0xD4;
    EXPECT_EQ(DecodeCodeByte(CodeType::CTCSS, codeByte) == NO_CODE_ENTRY, ctcssWithout) << codeByte;
    EXPECT_EQ(DecodeCodeByte(CodeType::DCS, codeByte) == NO_CODE_ENTRY, dcsWithout) << codeByte;
  }
}

TEST(CodeByte, ValuesOutsideAByteHaveNoEntry) {
  for (const int value : {-1, -128, 256, 0x180, 0x7FFFFFFF}) {
    EXPECT_EQ(DecodeCodeByte(CodeType::CTCSS, value), NO_CODE_ENTRY) << value;
    EXPECT_EQ(DecodeCodeByte(CodeType::DCS, value), NO_CODE_ENTRY) << value;
  }
}

TEST(CodeByte, NormalBytesDecodeByTheSkipOf036) {
  // Includes 0x05, which the editor never writes, and 0x54..0x7F, which land in the inverted half.
  for (int codeByte = 0; codeByte < 0x80; ++codeByte) {
    EXPECT_EQ(DecodeCodeByte(CodeType::DCS, codeByte), codeByte <= 4 ? codeByte : codeByte - 1) << codeByte;
  }
  EXPECT_STREQ(DcsText(DecodeCodeByte(CodeType::DCS, 0x05)), "032N");
  EXPECT_STREQ(DcsText(DecodeCodeByte(CodeType::DCS, 0x54)), "023I");
  EXPECT_EQ(DecodeCodeByte(CodeType::DCS, 0x7F), 126);
}

TEST(CodeByte, NotedCasesEncodeAsTheRadioExpects) {
  struct Case {
    CodeType type;
    int position;
    int codeByte;
  };
  const Case cases[] = {
      {CodeType::CTCSS, 0, 0x00},  {CodeType::CTCSS, 37, 0x25}, {CodeType::DCS, 4, 0x04},
      {CodeType::DCS, 5, 0x06},    {CodeType::DCS, 82, 0x53},   {CodeType::DCS, 89, 0x80},
      {CodeType::DCS, 83, 0x87},   {CodeType::DCS, 110, 0x85},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(EncodeCodeByte(c.type, c.position), c.codeByte) << c.position;
  }
  EXPECT_STREQ(DcsText(DecodeCodeByte(CodeType::DCS, 0x80)), "047I");
  EXPECT_STREQ(DcsText(DecodeCodeByte(CodeType::DCS, 0x85)), "172I");
  EXPECT_STREQ(DcsText(DecodeCodeByte(CodeType::DCS, 0x53)), "754N");
  EXPECT_STREQ(CTCSS_TONES[static_cast<std::size_t>(DecodeCodeByte(CodeType::CTCSS, 0x11))], "123");
}

TEST(CodeByte, OneByteReadsDifferentlyUnderTheTwoTypes) {
  EXPECT_STREQ(CTCSS_TONES[static_cast<std::size_t>(DecodeCodeByte(CodeType::CTCSS, 0x0A))], "97.4");
  EXPECT_STREQ(DcsText(DecodeCodeByte(CodeType::DCS, 0x0A)), "065N");
}

TEST(CodeByte, PositionsOutsideTheListEncodeAsZero) {
  for (const int position : {-1, 38, 200, -100000}) {
    EXPECT_EQ(EncodeCodeByte(CodeType::CTCSS, position), 0) << position;
  }
  for (const int position : {-1, 166, 255, 100000}) {
    EXPECT_EQ(EncodeCodeByte(CodeType::DCS, position), 0) << position;
  }
  EXPECT_EQ(EncodeCodeByte(CodeType::NONE, 3), 0);
  EXPECT_EQ(DecodeCodeByte(CodeType::NONE, 3), NO_CODE_ENTRY);
}
