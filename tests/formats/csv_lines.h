// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain helpers for the CSV tests: a file's lines split at commas (the exported files hold no
// quotes), and images built byte by byte.

#include <cstdint>
#include <string>
#include <vector>

#include "channel_image.h"

using CsvLine = std::vector<std::string>;

// The lines of `text`, which must end every line with CR LF, each split at its commas.
std::vector<CsvLine> SplitCrLfLines(const std::string &text);

struct RawChannel {
  std::uint32_t rx;  // 100 Hz units
  std::uint32_t tx;
  std::uint8_t flags;
  std::uint8_t txCode;
  std::uint8_t rxCode;
  std::uint8_t tot = 50;
  std::uint8_t squelch = 200;
};

// A start-up image with band `band` and `channel` (1 to 16) set as given.
ChannelImage ImageWithChannel(std::uint32_t band, int channel, const RawChannel &raw);
