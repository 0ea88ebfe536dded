// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_differences.h"

#include <cstdio>

#include "channel_view.h"

namespace {

std::string ByteText(std::uint8_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(value));
  return text;
}

std::string Change(const std::string &label, const std::string &before, const std::string &after) {
  return label + ": " + before + " -> " + after;
}

void ChannelDifferences(const ChannelImage &a, const ChannelImage &b, std::size_t channel,
                        std::vector<std::string> &lines) {
  const std::string label = "channel " + std::to_string(channel + 1) + " ";
  const std::uint8_t *recordA = a.Record(channel);
  const std::uint8_t *recordB = b.Record(channel);
  std::array<std::uint8_t, RECORD_SIZE> unexplained{};
  for (std::size_t i = 0; i < RECORD_SIZE; ++i) {
    unexplained[i] = static_cast<std::uint8_t>(recordA[i] ^ recordB[i]);
  }
  for (const ChannelFieldInfo &info : CHANNEL_FIELDS) {
    const std::string shownA = ShownFieldText(a, channel, info.field);
    const std::string shownB = ShownFieldText(b, channel, info.field);
    if (shownA == shownB) continue;
    lines.push_back(Change(label + info.title, shownA, shownB));
    for (std::size_t i = 0; i < RECORD_SIZE; ++i) {
      unexplained[i] = static_cast<std::uint8_t>(unexplained[i] & ~info.shownFrom[i]);
    }
  }
  // Bits the editor does not show, or shows alike: a squelch byte of no level, the flag bits
  // 0x07, the code byte of a direction without a code.
  for (std::size_t i = 0; i < RECORD_SIZE; ++i) {
    if (unexplained[i] != 0) {
      lines.push_back(Change(label + "byte " + std::to_string(i), ByteText(recordA[i]),
                             ByteText(recordB[i])));
    }
  }
}

}  // namespace

std::vector<std::string> ImageDifferences(const ChannelImage &before, const ChannelImage &after) {
  std::vector<std::string> lines;
  for (std::size_t channel = 0; channel < CHANNEL_COUNT; ++channel) {
    ChannelDifferences(before, after, channel, lines);
  }
  if (BandBase(before) != BandBase(after)) {
    lines.push_back(Change("band base MHz", ShownBandBase(before), ShownBandBase(after)));
  }
  for (std::size_t i = REPLY_MARKER_OFFSET; i < IMAGE_SIZE; ++i) {
    if (before.bytes[i] != after.bytes[i]) {
      lines.push_back(Change("image byte " + std::to_string(i), ByteText(before.bytes[i]),
                             ByteText(after.bytes[i])));
    }
  }
  return lines;
}
