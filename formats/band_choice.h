// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The band base for frequencies that come without one: the lowest band whose window holds them
// all.

#include <cstdint>
#include <vector>

struct PlacedFrequency {
  std::uint32_t frequency;  // 100 Hz units, not 0
  int line;                 // where it came from, for the message
};

struct BandChoice {
  bool found = false;
  std::uint32_t band = 0;
  // When no band holds them all: the band that holds the most (the lowest of equals) and the
  // frequencies outside its window.
  std::uint32_t closestBand = 0;
  std::vector<PlacedFrequency> misfits;
};

BandChoice ChooseBand(const std::vector<PlacedFrequency> &frequencies);
