// SPDX-License-Identifier: GPL-3.0-or-later
#include "band_choice.h"

#include "band_window.h"

BandChoice ChooseBand(const std::vector<PlacedFrequency> &frequencies) {
  BandChoice choice;
  std::size_t fewestMisfits = frequencies.size() + 1;
  for (std::int64_t band = LOWEST_BAND; band <= HIGHEST_BAND; band += BAND_STEP) {
    std::vector<PlacedFrequency> misfits;
    for (const PlacedFrequency &placed : frequencies) {
      if (OutsideBandWindow(placed.frequency, band)) {
        misfits.push_back(placed);
      }
    }
    if (misfits.empty()) {
      choice.found = true;
      choice.band = static_cast<std::uint32_t>(band);
      return choice;
    }
    if (misfits.size() < fewestMisfits) {
      fewestMisfits = misfits.size();
      choice.closestBand = static_cast<std::uint32_t>(band);
      choice.misfits = std::move(misfits);
    }
  }
  return choice;
}
