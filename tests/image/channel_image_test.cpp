// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <numeric>

#include "channel_image.h"

TEST(ChannelImage, ResetGivesTheStartUpImage) {
  ChannelImage image;
  image.bytes.fill(0xAB);
  ResetImage(image);
  for (std::size_t i = 0; i < IMAGE_SIZE; ++i) {
    std::uint8_t expected = 0;
    if (i < 176 && i % RECORD_SIZE == RecordOffset::TOT) expected = 50;
    if (i < 176 && i % RECORD_SIZE == RecordOffset::SQUELCH) expected = 200;
    EXPECT_EQ(image.bytes[i], expected) << "byte " << i;
  }
  EXPECT_EQ(BandBase(image), 0u);
}

TEST(ChannelImage, Field24IsBigEndianBothWays) {
  std::uint8_t field[3] = {};
  WriteField24(field, 4000125);
  EXPECT_EQ(field[0], 0x3D);
  EXPECT_EQ(field[1], 0x09);
  EXPECT_EQ(field[2], 0x7D);
  EXPECT_EQ(ReadField24(field), 4000125u);

  const std::uint8_t allOnes[3] = {0xFF, 0xFF, 0xFF};
  EXPECT_EQ(ReadField24(allOnes), 16777215u);
  WriteField24(field, 16777215);
  EXPECT_EQ(ReadField24(field), 16777215u);
  WriteField24(field, 0);
  EXPECT_EQ(ReadField24(field), 0u);
}

TEST(ChannelImage, ReplaceCopiesEveryByteIncludingUninterpretedOnes) {
  std::array<std::uint8_t, IMAGE_SIZE> block{};
  std::iota(block.begin(), block.end(), std::uint8_t{1});
  ChannelImage image;
  ResetImage(image);
  ReplaceImage(image, block.data());
  EXPECT_EQ(image.bytes, block);
  EXPECT_EQ(image.bytes[REPLY_MARKER_OFFSET], 180);
}

TEST(ChannelImage, SquelchLevelsMapBothWays) {
  for (int level = 0; level < SQUELCH_LEVEL_COUNT; ++level) {
    EXPECT_EQ(SquelchLevelOfByte(SquelchByteOfLevel(level)), level);
  }
  EXPECT_EQ(SquelchByteOfLevel(0), 249);
  EXPECT_EQ(SquelchByteOfLevel(9), 102);
  EXPECT_EQ(SquelchLevelOfByte(200), 3);
  EXPECT_EQ(SquelchLevelOfByte(0), -1);
  EXPECT_EQ(SquelchLevelOfByte(201), -1);
}
