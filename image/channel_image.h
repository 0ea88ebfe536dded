// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's channel memory as one 187-byte block, exactly as it travels on the serial line:
// sixteen 11-byte channel records followed by one 11-byte settings record.

#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::size_t RECORD_SIZE = 11;
constexpr std::size_t CHANNEL_COUNT = 16;
constexpr std::size_t SETTINGS_RECORD = 16;  // record index of the SettingsRecord
constexpr std::size_t IMAGE_SIZE = RECORD_SIZE * (CHANNEL_COUNT + 1);  // 187

// Byte offsets inside one 11-byte ChannelRecord. The receive fields come first, then the time
// limit, then the transmit fields.
namespace RecordOffset {
constexpr std::size_t RX_FREQUENCY = 0;  // 24-bit, most significant byte first
constexpr std::size_t RX_CODE = 3;
constexpr std::size_t TOT = 4;           // tenths of a minute
constexpr std::size_t TX_FREQUENCY = 5;  // 24-bit, most significant byte first
constexpr std::size_t TX_CODE = 8;
constexpr std::size_t FLAGS = 9;
constexpr std::size_t SQUELCH = 10;
}  // namespace RecordOffset

// Byte offsets inside the SettingsRecord (image bytes 176 to 186).
namespace SettingsOffset {
constexpr std::size_t BAND_BASE = 0;     // 24-bit, most significant byte first
constexpr std::size_t REPLY_MARKER = 3;  // image byte 179: nonzero in every accepted reply
}  // namespace SettingsOffset

constexpr std::size_t REPLY_MARKER_OFFSET = SETTINGS_RECORD * RECORD_SIZE + SettingsOffset::REPLY_MARKER;

// Flags byte of a channel record. Each receive bit sits one place left of its transmit partner;
// the copy operations between the two sides rely on that. Bits 0x07 are never touched.
constexpr std::uint8_t FLAG_NARROW = 0x80;
constexpr std::uint8_t FLAG_RX_CTCSS = 0x40;
constexpr std::uint8_t FLAG_TX_CTCSS = 0x20;
constexpr std::uint8_t FLAG_RX_CODED = 0x10;
constexpr std::uint8_t FLAG_TX_CODED = 0x08;

constexpr std::uint32_t FIELD24_MAX = 0xFFFFFF;

// A value for a field that holds 0 to `top`, never cut to its low bits (which could be another
// valid setting): above the field, and below it too, it is `top`. Below the field must not become
// 0, which in a frequency means "not set": a typed -0.0125 would reach the radio as an empty
// channel. `top` is no valid frequency, band or time limit, so validation refuses it.
constexpr std::uint32_t SaturatedToField(std::int32_t value, std::uint32_t top) {
  if (value < 0) {
    return top;
  }
  return static_cast<std::uint32_t>(value) > top ? top : static_cast<std::uint32_t>(value);
}

constexpr int DEFAULT_TOT = 50;       // 5.0 minutes
constexpr int DEFAULT_SQUELCH = 200;  // squelch level 3
constexpr int DEFAULT_SQUELCH_LEVEL = 3;
constexpr int SQUELCH_LEVEL_COUNT = 10;

// Squelch byte of each level 0 to 9: the byte falls as the level rises.
constexpr std::array<std::uint8_t, SQUELCH_LEVEL_COUNT> SQUELCH_LEVEL_BYTES = {
    249, 233, 216, 200, 184, 167, 151, 135, 118, 102};

struct ChannelImage {
  std::array<std::uint8_t, IMAGE_SIZE> bytes{};

  std::uint8_t *Record(std::size_t index) { return bytes.data() + index * RECORD_SIZE; }
  const std::uint8_t *Record(std::size_t index) const { return bytes.data() + index * RECORD_SIZE; }
  std::uint8_t *Settings() { return Record(SETTINGS_RECORD); }
  const std::uint8_t *Settings() const { return Record(SETTINGS_RECORD); }
};

std::uint32_t ReadField24(const std::uint8_t *field);
void WriteField24(std::uint8_t *field, std::uint32_t value);  // keeps bits 23 to 0

std::uint32_t BandBase(const ChannelImage &image);

// All bytes zero, then every channel record gets the default time limit and squelch.
void ResetImage(ChannelImage &image);

// Copies exactly IMAGE_SIZE bytes over the image: marker and uninterpreted bytes included.
void ReplaceImage(ChannelImage &image, const std::uint8_t *block);

// Level 0 to 9 of a squelch byte, or -1 when the byte is none of SQUELCH_LEVEL_BYTES.
int SquelchLevelOfByte(int squelchByte);
std::uint8_t SquelchByteOfLevel(int level);  // level must be 0 to 9
