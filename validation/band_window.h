// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The band base and the window of channel frequencies above it, in one place for the channel
// rules and for whatever has to pick a band that holds a set of frequencies.

#include <cstdint>

constexpr std::int64_t LOWEST_BAND = 3500000;   // 350 MHz, 100 Hz units
constexpr std::int64_t HIGHEST_BAND = 4500000;  // 450 MHz
constexpr std::int64_t BAND_STEP = 100000;      // 10 MHz
constexpr std::int64_t BAND_WINDOW = 200000;    // 20 MHz above the band base

constexpr bool IsBandBase(std::int64_t band) {
  return band >= LOWEST_BAND && band <= HIGHEST_BAND && band % BAND_STEP == 0;
}

// A frequency of 0 is "not set" and exempt from the band window.
constexpr bool OutsideBandWindow(std::int64_t frequency, std::int64_t band) {
  return frequency != 0 && (frequency < band || frequency > band + BAND_WINDOW);
}
