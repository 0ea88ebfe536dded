// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample_memory.h"

#include <cstddef>

namespace {

constexpr std::uint32_t BAND_400_MHZ = 4000000;  // 100 Hz units

struct SampleChannel {
  std::uint32_t rxFrequency;  // 100 Hz units, 0 = not set
  std::uint8_t rxCode;
  std::uint8_t tot;           // tenths of a minute
  std::uint32_t txFrequency;
  std::uint8_t txCode;
  std::uint8_t flags;
  std::uint8_t squelch;
};

constexpr std::uint8_t RX_CTCSS = FLAG_RX_CODED | FLAG_RX_CTCSS;
constexpr std::uint8_t TX_CTCSS = FLAG_TX_CODED | FLAG_TX_CTCSS;
constexpr std::uint8_t RX_DCS = FLAG_RX_CODED;
constexpr std::uint8_t TX_DCS = FLAG_TX_CODED;

// Each channel exercises something a programmer must carry through: both spacings on their own
// raster, both ends of the band window, the largest rx/tx distance, every code kind (0x80 is
// "047I", 0x85 "172I", 0x53 "754N"), a code byte left behind under a cleared CODED bit, and the
// flag bits 0x07 that nobody interprets. Channels 13 to 16 are empty.
constexpr std::array<SampleChannel, CHANNEL_COUNT> SAMPLE_CHANNELS = {{
    {4000250, 0x00, 50, 4000250, 0x00, 0, 200},                                 // 400.025
    {4015000, 0x07, 30, 4015000, 0x07, RX_CTCSS | TX_CTCSS, 233},               // 88.5 Hz
    {4020125, 0x00, 100, 4020125, 0x00, FLAG_NARROW | RX_DCS | TX_DCS, 249},    // 023N
    {4031250, 0x00, 1, 4131250, 0x0B, TX_CTCSS, 102},                           // 10 MHz apart
    {4055375, 0x80, 60, 4055375, 0x80, FLAG_NARROW | RX_DCS | TX_DCS, 167},     // 047I
    {4199750, 0x25, 20, 4199750, 0x53, RX_CTCSS | TX_DCS, 184},                 // 250.3 / 754N
    {4200000, 0x00, 100, 4100000, 0x00, 0x05, 216},                             // band top
    {4000000, 0x00, 10, 4000000, 0x00, FLAG_NARROW | 0x03, 151},                // band base
    {4099875, 0x85, 45, 4099875, 0x00, FLAG_NARROW | RX_DCS | TX_CTCSS, 135},   // 172I / 67
    {4110000, 0x11, 80, 4110000, 0x00, FLAG_RX_CTCSS, 118},                     // leftover code
    {4156125, 0x11, 75, 4156125, 0x11, FLAG_NARROW | RX_CTCSS | TX_CTCSS, 200}, // 123 Hz
    {4160000, 0x00, 50, 4060000, 0x00, 0x01, 200},                              // tx below rx
    {0, 0x00, 50, 0, 0x00, 0, 200},
    {0, 0x00, 50, 0, 0x00, 0, 200},
    {0, 0x00, 50, 0, 0x00, 0, 200},
    {0, 0x00, 50, 0, 0x00, 0, 200},
}};

constexpr std::uint8_t SAMPLE_REPLY_MARKER = 0xA5;

// Settings bytes 4 to 10 mean nothing to the programmer; distinct nonzero values show whether
// they travel unchanged.
constexpr std::array<std::uint8_t, 7> SAMPLE_UNINTERPRETED = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD};

}  // namespace

RadioMemory BuildSampleMemory() {
  ChannelImage image;
  for (std::size_t index = 0; index < CHANNEL_COUNT; ++index) {
    const SampleChannel &channel = SAMPLE_CHANNELS[index];
    std::uint8_t *record = image.Record(index);
    WriteField24(record + RecordOffset::RX_FREQUENCY, channel.rxFrequency);
    record[RecordOffset::RX_CODE] = channel.rxCode;
    record[RecordOffset::TOT] = channel.tot;
    WriteField24(record + RecordOffset::TX_FREQUENCY, channel.txFrequency);
    record[RecordOffset::TX_CODE] = channel.txCode;
    record[RecordOffset::FLAGS] = channel.flags;
    record[RecordOffset::SQUELCH] = channel.squelch;
  }
  std::uint8_t *settings = image.Settings();
  WriteField24(settings + SettingsOffset::BAND_BASE, BAND_400_MHZ);
  settings[SettingsOffset::REPLY_MARKER] = SAMPLE_REPLY_MARKER;
  for (std::size_t i = 0; i < SAMPLE_UNINTERPRETED.size(); ++i) {
    settings[SettingsOffset::REPLY_MARKER + 1 + i] = SAMPLE_UNINTERPRETED[i];
  }
  return image.bytes;
}
