// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_edits.h"

#include "dialog_texts.h"
#include "working_channel.h"

void WriteBandBase(ChannelImage &image, std::int32_t band) {
  WriteField24(image.Settings() + SettingsOffset::BAND_BASE, SaturatedToField(band, FIELD24_MAX));
}

std::uint8_t FlagsForSpacing(std::uint8_t flags, const std::string &spacingText) {
  if (spacingText == SPACING_NARROW_TEXT) {
    return static_cast<std::uint8_t>(flags | FLAG_NARROW);
  }
  if (spacingText == SPACING_WIDE_TEXT) {
    return static_cast<std::uint8_t>(flags & ~FLAG_NARROW);
  }
  return flags;
}

std::string ChannelListText(int channelIndex) {
  const int number = channelIndex + 1;
  std::string text;
  text += static_cast<char>('0' + number / 10 % 10);
  text += static_cast<char>('0' + number % 10);
  return text + CHANNEL_TEXT_SUFFIX;
}
