// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "code_tables.h"
#include "dcs_mapping_rows.h"

namespace {

template <std::size_t N>
int CountOf(const std::array<const char *, N> &table, const std::string &text) {
  int count = 0;
  for (const char *entry : table) {
    count += text == entry ? 1 : 0;
  }
  return count;
}

// The 23-bit DCS word: nine code bits, the fixed bits 100, then eleven Golay (23,12) parity bits
// with generator x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1.
std::uint32_t DcsWord(const char *octal) {
  constexpr std::uint32_t generator = 0xC75;
  const std::uint32_t data = static_cast<std::uint32_t>(std::strtoul(octal, nullptr, 8)) | 0x800u;
  std::uint32_t remainder = data << 11;
  for (int bit = 22; bit >= 11; --bit) {
    if ((remainder >> bit) & 1u) {
      remainder ^= generator << (bit - 11);
    }
  }
  return (data << 11) | remainder;
}

bool IsRotationOf(std::uint32_t word, std::uint32_t other) {
  constexpr std::uint32_t mask = 0x7FFFFF;
  for (unsigned shift = 0; shift < 23; ++shift) {
    if ((((other << shift) | (other >> (23 - shift))) & mask) == word) {
      return true;
    }
  }
  return false;
}

}  // namespace

TEST(CodeTables, CtcssTonesAscendWithOneDecimalAtMost) {
  ASSERT_EQ(CTCSS_TONES.size(), 38u);
  EXPECT_STREQ(CTCSS_TONES[0], "67");
  EXPECT_STREQ(CTCSS_TONES[3], "77");
  EXPECT_STREQ(CTCSS_TONES[10], "97.4");
  EXPECT_STREQ(CTCSS_TONES[11], "100");
  EXPECT_STREQ(CTCSS_TONES[17], "123");
  EXPECT_STREQ(CTCSS_TONES[37], "250.3");
  double previous = 0.0;
  for (const char *tone : CTCSS_TONES) {
    const double hertz = std::strtod(tone, nullptr);
    EXPECT_GT(hertz, previous) << tone;
    previous = hertz;
    const char *point = std::strchr(tone, '.');
    if (point != nullptr) {
      // "x.0" would be written as a whole number.
      EXPECT_EQ(std::strlen(point), 2u) << tone;
      EXPECT_NE(point[1], '0') << tone;
    }
  }
}

TEST(CodeTables, DcsListHoldsNormalFormsThenInvertedFormsOfTheSameCodes) {
  ASSERT_EQ(DCS_CODE_LIST.size(), 166u);
  for (std::size_t i = 0; i < DCS_CODE_COUNT; ++i) {
    const std::string normal = DCS_CODE_LIST[i];
    const std::string inverted = DCS_CODE_LIST[i + DCS_CODE_COUNT];
    ASSERT_EQ(normal.size(), 4u) << i;
    EXPECT_EQ(normal.back(), 'N') << i;
    EXPECT_EQ(inverted.back(), 'I') << i;
    EXPECT_EQ(normal.substr(0, 3), inverted.substr(0, 3)) << i;
    if (i > 0) {
      EXPECT_LT(std::string(DCS_CODE_LIST[i - 1]), normal) << "codes must ascend at " << i;
    }
  }
  EXPECT_EQ(CountOf(DCS_CODE_LIST, "036N") + CountOf(DCS_CODE_LIST, "036I"), 0);
}

TEST(CodeTables, DcsNumbersAreTheListedCodesWith036AtIndex5) {
  ASSERT_EQ(DCS_CODE_NUMBERS.size(), 84u);
  EXPECT_STREQ(DCS_CODE_NUMBERS[5], "036");
  EXPECT_STREQ(DCS_CODE_NUMBERS[83], "754");
  for (std::size_t i = 0; i < DCS_CODE_COUNT; ++i) {
    const std::size_t index = i < 5 ? i : i + 1;
    EXPECT_EQ(std::string(DCS_CODE_NUMBERS[index]), std::string(DCS_CODE_LIST[i]).substr(0, 3)) << i;
  }
  for (std::size_t i = 1; i < DCS_CODE_NUMBERS.size(); ++i) {
    EXPECT_LT(std::strcmp(DCS_CODE_NUMBERS[i - 1], DCS_CODE_NUMBERS[i]), 0) << i;
  }
}

TEST(CodeTables, EveryRowOfTheMappingMatchesTheStoredTables) {
  for (std::size_t i = 0; i < DCS_MAPPING_ROWS.size(); ++i) {
    const DcsMappingRow &row = DCS_MAPPING_ROWS[i];
    ASSERT_EQ(row.normalPosition, static_cast<int>(i));
    EXPECT_EQ(std::string(DCS_CODE_LIST[static_cast<std::size_t>(row.normalPosition)]),
              std::string(row.code) + "N");
    EXPECT_EQ(std::string(DCS_CODE_LIST[static_cast<std::size_t>(row.invertedPosition)]),
              std::string(row.code) + "I");
    EXPECT_STREQ(DCS_INVERSION_PARTNERS[i], row.partner) << row.code;
  }
}

TEST(CodeTables, PartnersPairMutuallyExcept172WhosePartnerIs036) {
  ASSERT_EQ(DCS_INVERSION_PARTNERS.size(), 83u);
  EXPECT_EQ(CountOf(DCS_INVERSION_PARTNERS, "172"), 0);
  EXPECT_EQ(CountOf(DCS_INVERSION_PARTNERS, "036"), 1);
  for (std::size_t i = 0; i < DCS_CODE_COUNT; ++i) {
    const std::string code = std::string(DCS_CODE_LIST[i]).substr(0, 3);
    const std::string partner = DCS_INVERSION_PARTNERS[i];
    EXPECT_EQ(CountOf(DCS_INVERSION_PARTNERS, partner), 1) << "partner " << partner << " used twice";
    if (code == "172") {
      EXPECT_EQ(partner, "036");
      continue;
    }
    std::size_t back = 0;
    while (back < DCS_CODE_COUNT && std::string(DCS_CODE_LIST[back]).substr(0, 3) != partner) {
      ++back;
    }
    ASSERT_LT(back, DCS_CODE_COUNT) << partner << " is not a listed code";
    EXPECT_EQ(DCS_INVERSION_PARTNERS[back], code) << code << " -> " << partner << " is one-way";
  }
}

TEST(CodeTables, EachPartnerWordIsARotationOfTheComplementedCodeWord) {
  for (std::size_t i = 0; i < DCS_CODE_COUNT; ++i) {
    const std::string code = std::string(DCS_CODE_LIST[i]).substr(0, 3);
    const std::uint32_t complement = ~DcsWord(code.c_str()) & 0x7FFFFF;
    EXPECT_TRUE(IsRotationOf(DcsWord(DCS_INVERSION_PARTNERS[i]), complement))
        << code << " -> " << DCS_INVERSION_PARTNERS[i];
  }
}
