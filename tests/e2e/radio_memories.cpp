// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio_memories.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::uint8_t, 10> SQUELCH_BYTES = {249, 233, 216, 200, 184, 167, 151, 135, 118, 102};

constexpr std::uint8_t NARROW = 0x80;
constexpr std::uint8_t RX_CTCSS = 0x40 | 0x10;
constexpr std::uint8_t TX_CTCSS = 0x20 | 0x08;
constexpr std::uint8_t RX_DCS = 0x10;
constexpr std::uint8_t TX_DCS = 0x08;

constexpr std::uint8_t CTCSS_88_5_HZ = 0x07;
constexpr std::uint8_t DCS_754N = 0x53;
constexpr std::uint8_t DCS_047I = 0x80;

constexpr std::size_t RX_FREQUENCY = 0;
constexpr std::size_t RX_CODE = 3;
constexpr std::size_t TOT = 4;
constexpr std::size_t TX_CODE = 8;
constexpr std::size_t FLAGS = 9;
constexpr std::size_t SETTINGS = 176;

}  // namespace

void PutField24(Bytes &memory, std::size_t offset, std::uint32_t value) {
  memory.at(offset) = static_cast<std::uint8_t>(value >> 16);
  memory.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
  memory.at(offset + 2) = static_cast<std::uint8_t>(value);
}

bool IsSquelchLevelByte(std::uint8_t value) {
  return std::find(SQUELCH_BYTES.begin(), SQUELCH_BYTES.end(), value) != SQUELCH_BYTES.end();
}

Bytes ValidMemory(int variant) {
  const auto v = static_cast<std::uint32_t>(variant);
  const std::uint32_t band = variant == 0 ? 4300000 : 3800000;  // 100 Hz units
  const std::uint32_t firstStep = variant == 0 ? 41 : 23;          // 25 kHz steps above the band
  const std::uint32_t stepPerChannel = variant == 0 ? 40 : 37;
  Bytes memory(MEMORY_SIZE, 0);
  for (int channel = 1; channel <= 15; ++channel) {
    const auto c = static_cast<std::uint32_t>(channel - 1);
    const std::uint32_t rx = band + 250 * (firstStep + stepPerChannel * c);
    const std::uint32_t tx = rx + 250 * (c % 5);
    PutField24(memory, ChannelByte(channel, RX_FREQUENCY), rx);
    PutField24(memory, ChannelByte(channel, TX_FREQUENCY_BYTE), tx);
    memory[ChannelByte(channel, TOT)] = static_cast<std::uint8_t>(10 + 5 * c + v);
    memory[ChannelByte(channel, SQUELCH_BYTE)] = SQUELCH_BYTES[(c + v) % SQUELCH_BYTES.size()];
    memory[ChannelByte(channel, FLAGS)] =
        static_cast<std::uint8_t>(((c + 1 + v) & 0x07) | (c % 2 == 1 ? NARROW : 0));
  }
  memory[ChannelByte(2, FLAGS)] |= RX_CTCSS | TX_CTCSS;
  memory[ChannelByte(2, RX_CODE)] = CTCSS_88_5_HZ;
  memory[ChannelByte(2, TX_CODE)] = CTCSS_88_5_HZ;
  memory[ChannelByte(3, FLAGS)] |= RX_DCS | TX_DCS;
  memory[ChannelByte(3, RX_CODE)] = DCS_047I;
  memory[ChannelByte(3, TX_CODE)] = DCS_754N;
  // Channel 16 stays empty: no frequencies, and a time limit and squelch a reset would give.
  memory[ChannelByte(16, TOT)] = 50;
  memory[ChannelByte(16, SQUELCH_BYTE)] = 200;

  PutField24(memory, SETTINGS, band);
  for (std::size_t i = MARKER_BYTE; i < MEMORY_SIZE; ++i) {
    memory[i] = static_cast<std::uint8_t>(0x5A + 0x11 * (i - MARKER_BYTE) + v);
  }
  return memory;
}

::testing::AssertionResult SameBytes(const Bytes &actual, const Bytes &expected) {
  const auto [mismatch, _] = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
  if (actual.size() == expected.size() && mismatch == actual.end()) {
    return ::testing::AssertionSuccess();
  }
  const auto offset = static_cast<std::size_t>(mismatch - actual.begin());
  auto failure = ::testing::AssertionFailure();
  failure << actual.size() << " bytes against " << expected.size() << " expected";
  if (offset < actual.size() && offset < expected.size()) {
    failure << "; first difference at byte " << offset << ": " << int{actual[offset]} << " instead of "
            << int{expected[offset]};
  }
  return failure;
}
