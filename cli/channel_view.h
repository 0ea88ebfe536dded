// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A channel of an image as the editor window shows it, one text per field, and which record
// bits each field is shown from. `show` prints the texts; `diff` compares them and reports
// whatever differs beyond them as bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "channel_image.h"
#include "code_byte.h"

enum class ChannelField { RX_FREQUENCY, RX_CODE, TX_FREQUENCY, TX_CODE, TOT, SQUELCH, SPACING };

struct ChannelFieldInfo {
  ChannelField field;
  const char *title;  // table heading and diff label
  const char *key;    // JSON key
  // Per record byte, the bits this field is shown from.
  std::array<std::uint8_t, RECORD_SIZE> shownFrom;
};

constexpr std::size_t CHANNEL_FIELD_COUNT = 7;
extern const std::array<ChannelFieldInfo, CHANNEL_FIELD_COUNT> CHANNEL_FIELDS;

// The text the editor shows: MHz and minutes in its number format, code texts such as "100" or
// "172I" ("-" for no code), squelch level 0 to 9, "25Khz" or "12.5Khz". A code byte that no
// list entry encodes to, which the editor shows as an empty code, reads "CTCSS byte 0x40".
std::string ShownFieldText(const ChannelImage &image, std::size_t channel, ChannelField field);

// The band base in MHz, in the editor's number format.
std::string ShownBandBase(const ChannelImage &image);

// "100", "172I" or empty for no code or a byte without an entry; `type` receives the code type.
std::string ShownCode(const ChannelImage &image, std::size_t channel, CodeDirection direction,
                      CodeType &type);

const char *CodeTypeName(CodeType type);  // "none", "CTCSS", "DCS"
