// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample_layout_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 10> SQUELCH_BYTES = {249, 233, 216, 200, 184, 167, 151, 135, 118, 102};

std::uint32_t Field24(const Bytes &memory, std::size_t at) {
  return (std::uint32_t{memory[at]} << 16) | (std::uint32_t{memory[at + 1]} << 8) | memory[at + 2];
}

bool IsUsedDcsByte(std::uint8_t code) {
  if (code < 0x80) return code <= 0x53 && code != 0x05;
  return code <= 0xD3 && code != 0x9C;
}

// Code byte of one direction, given its CODED and CTCSS bits.
void ExpectValidCode(std::uint8_t flags, std::uint8_t coded, std::uint8_t ctcss, std::uint8_t code, int channel) {
  if ((flags & coded) == 0) return;
  if (flags & ctcss) {
    EXPECT_LT(code, 38) << "channel " << channel << ": CTCSS byte out of the table";
  } else {
    EXPECT_TRUE(IsUsedDcsByte(code)) << "channel " << channel << ": DCS byte " << int{code} << " unused";
  }
}

}  // namespace

void ExpectSampleLayoutRules(const Bytes &memory) {
  ASSERT_EQ(memory.size(), 187u);
  const std::uint32_t band = Field24(memory, 176);
  EXPECT_EQ(band, 4000000u) << "band base 400 MHz, bytes 3D 09 00";
  EXPECT_NE(memory[179], 0) << "the reply marker must be nonzero or no programmer accepts the reply";
  EXPECT_TRUE(std::any_of(memory.begin() + 180, memory.end(), [](std::uint8_t b) { return b != 0; }))
      << "uninterpreted settings bytes should be nonzero so their round trip shows";

  int channelsSet = 0, narrow = 0, wide = 0, ctcss = 0, dcs = 0, lowFlagBits = 0;
  for (int channel = 1; channel <= 16; ++channel) {
    const std::size_t at = static_cast<std::size_t>(channel - 1) * 11;
    const std::uint32_t rx = Field24(memory, at);
    const std::uint32_t tx = Field24(memory, at + 5);
    const std::uint8_t flags = memory[at + 9];
    const std::uint32_t raster = (flags & 0x80) ? 125 : 250;
    const std::uint32_t distance = rx > tx ? rx - tx : tx - rx;
    EXPECT_LE(distance, 100000u) << "channel " << channel;
    for (std::uint32_t frequency : {rx, tx}) {
      if (frequency == 0) continue;
      EXPECT_GE(frequency, band) << "channel " << channel;
      EXPECT_LE(frequency, band + 200000) << "channel " << channel;
      EXPECT_EQ(frequency % raster, 0u) << "channel " << channel << " off its raster";
    }
    EXPECT_GE(memory[at + 4], 1) << "channel " << channel << " time limit";
    EXPECT_LE(memory[at + 4], 100) << "channel " << channel << " time limit";
    EXPECT_NE(std::find(SQUELCH_BYTES.begin(), SQUELCH_BYTES.end(), memory[at + 10]), SQUELCH_BYTES.end())
        << "channel " << channel << " squelch byte " << int{memory[at + 10]};
    ExpectValidCode(flags, 0x10, 0x40, memory[at + 3], channel);
    ExpectValidCode(flags, 0x08, 0x20, memory[at + 8], channel);

    if (rx == 0 && tx == 0) continue;
    ++channelsSet;
    ++((flags & 0x80) ? narrow : wide);
    for (auto [coded, isCtcss] : {std::pair{0x10, 0x40}, std::pair{0x08, 0x20}}) {
      if (flags & coded) ++((flags & isCtcss) ? ctcss : dcs);
    }
    if (flags & 0x07) ++lowFlagBits;
  }
  EXPECT_GE(channelsSet, 4);
  EXPECT_GT(narrow, 0);
  EXPECT_GT(wide, 0);
  EXPECT_GT(ctcss, 0);
  EXPECT_GT(dcs, 0);
  EXPECT_GT(lowFlagBits, 0) << "flag bits 0x07 should be set somewhere so their round trip shows";
}
