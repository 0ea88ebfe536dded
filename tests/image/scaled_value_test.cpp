// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "scaled_value.h"

TEST(ScaledValue, RasterFrequenciesConvertExactly) {
  // Every 12.5 kHz step from 350 to 470 MHz, as the edit would hold it after "%.15g".
  for (std::int32_t units = 3500000; units <= 4700000; units += 125) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", units * 0.0001);
    EXPECT_EQ(ScaledToInt(std::strtod(text, nullptr), FREQUENCY_FACTOR), units) << text;
  }
  EXPECT_EQ(ScaledToInt(438.0125, FREQUENCY_FACTOR), 4380125);
  EXPECT_EQ(ScaledToInt(350.03, FREQUENCY_FACTOR), 3500299);  // truncation, not rounding
}

TEST(ScaledValue, TimeLimitsWithOneDecimalConvertExactly) {
  for (int tenths = 0; tenths <= 1000; ++tenths) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", tenths * 0.1);
    EXPECT_EQ(ScaledToInt(std::strtod(text, nullptr), TOT_FACTOR), tenths) << text;
  }
}

TEST(ScaledValue, TruncatesTowardZero) {
  EXPECT_EQ(ScaledToInt(-0.00019, FREQUENCY_FACTOR), -1);
  EXPECT_EQ(ScaledToInt(-0.00001, FREQUENCY_FACTOR), 0);
  EXPECT_EQ(ScaledToInt(0.05, TOT_FACTOR), 0);
}

TEST(ScaledValue, HugeValuesSaturateInsteadOfOverflowing) {
  constexpr auto highest = std::numeric_limits<std::int32_t>::max();
  constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(ScaledToInt(1e11, FREQUENCY_FACTOR), highest);
  EXPECT_EQ(ScaledToInt(1e300, FREQUENCY_FACTOR), highest);
  EXPECT_EQ(ScaledToInt(-1e300, FREQUENCY_FACTOR), lowest);
  EXPECT_EQ(ScaledToInt(HUGE_VAL, TOT_FACTOR), highest);
  EXPECT_EQ(ScaledToInt(-HUGE_VAL, TOT_FACTOR), lowest);
  EXPECT_EQ(ScaledToInt(std::nan(""), TOT_FACTOR), highest);  // never 0, "not set"
  EXPECT_EQ(ScaledToInt(214748.3647, FREQUENCY_FACTOR), highest);
}
