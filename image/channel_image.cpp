// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_image.h"

#include <algorithm>
#include <cstring>

std::uint32_t ReadField24(const std::uint8_t *field) {
  return (std::uint32_t{field[0]} << 16) | (std::uint32_t{field[1]} << 8) | std::uint32_t{field[2]};
}

void WriteField24(std::uint8_t *field, std::uint32_t value) {
  field[0] = static_cast<std::uint8_t>((value >> 16) & 0xFF);
  field[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
  field[2] = static_cast<std::uint8_t>(value & 0xFF);
}

std::uint32_t BandBase(const ChannelImage &image) {
  return ReadField24(image.Settings() + SettingsOffset::BAND_BASE);
}

void ResetImage(ChannelImage &image) {
  image.bytes.fill(0);
  for (std::size_t channel = 0; channel < CHANNEL_COUNT; ++channel) {
    std::uint8_t *record = image.Record(channel);
    record[RecordOffset::TOT] = DEFAULT_TOT;
    record[RecordOffset::SQUELCH] = DEFAULT_SQUELCH;
  }
}

void ReplaceImage(ChannelImage &image, const std::uint8_t *block) {
  std::memcpy(image.bytes.data(), block, IMAGE_SIZE);
}

int SquelchLevelOfByte(int squelchByte) {
  const auto found = std::find(SQUELCH_LEVEL_BYTES.begin(), SQUELCH_LEVEL_BYTES.end(), squelchByte);
  return found == SQUELCH_LEVEL_BYTES.end() ? -1 : static_cast<int>(found - SQUELCH_LEVEL_BYTES.begin());
}

std::uint8_t SquelchByteOfLevel(int level) {
  return SQUELCH_LEVEL_BYTES.at(static_cast<std::size_t>(level));
}
