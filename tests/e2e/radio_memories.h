// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Radio memories for the end-to-end tests, spelled out byte by byte here rather than built with
// the program's own encoders, so that an encoding fault on either side shows.

#include <cstddef>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t MEMORY_SIZE = 187;
constexpr std::size_t MARKER_BYTE = 179;
constexpr std::size_t RECORD_BYTES = 11;
constexpr std::size_t TX_FREQUENCY_BYTE = 5;  // inside a channel record, 3 bytes, MSB first
constexpr std::size_t SQUELCH_BYTE = 10;      // inside a channel record

// A memory that passes every write check unchanged and shows without repairs, different in
// every channel: both spacings, the flag bits 0x07 nobody interprets, CTCSS and DCS codes, an
// empty channel 16, and nonzero, distinct bytes 179 to 186. Variants 0 and 1 differ in every
// channel record and in bytes 176 to 186.
//   Variant 0: band 430 MHz; channel 1 is 431.025 MHz both ways, 1 minute; channel 4 receives
//   on 434.025 MHz, narrow.
//   Variant 1: band 380 MHz; channel 1 is 380.575 MHz both ways, 1.1 minutes.
Bytes ValidMemory(int variant);

// The three bytes of a 24-bit field, most significant first.
void PutField24(Bytes &memory, std::size_t offset, std::uint32_t value);

// Offset of byte `byteInRecord` of channel `channel` (1 to 16).
constexpr std::size_t ChannelByte(int channel, std::size_t byteInRecord) {
  return static_cast<std::size_t>(channel - 1) * RECORD_BYTES + byteInRecord;
}

// Whether a byte is one of the ten squelch levels' bytes.
bool IsSquelchLevelByte(std::uint8_t value);

// Success when the two are equal; otherwise names the first offset where they differ.
::testing::AssertionResult SameBytes(const Bytes &actual, const Bytes &expected);
