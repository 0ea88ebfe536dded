// SPDX-License-Identifier: GPL-3.0-or-later
#include "user_actions.h"

#include "code_byte.h"
#include "code_tables.h"

namespace {

// A small generator of its own, so that a seed gives the same memory in the model, in the
// window's fake radio and in a replayed failure.
class SplitMix {
 public:
  explicit SplitMix(std::uint32_t seed) : state_(seed) {}
  std::uint32_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
  }
  int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint32_t>(bound)); }
  std::uint8_t Byte() { return static_cast<std::uint8_t>(Next() & 0xFF); }

 private:
  std::uint64_t state_;
};

// One direction's code type bits and code byte, with a code of its table.
void ChooseCode(SplitMix &random, std::uint8_t codedBit, std::uint8_t ctcssBit, std::uint8_t &flags,
                std::uint8_t &codeByte) {
  switch (random.Below(3)) {
    case 0:
      codeByte = static_cast<std::uint8_t>(random.Below(4) == 0 ? random.Byte() : 0);
      break;
    case 1:
      flags = static_cast<std::uint8_t>(flags | codedBit | ctcssBit);
      codeByte = static_cast<std::uint8_t>(EncodeCodeByte(CodeType::CTCSS, random.Below(CTCSS_TONE_COUNT)));
      break;
    default:
      flags = static_cast<std::uint8_t>(flags | codedBit);
      codeByte = static_cast<std::uint8_t>(EncodeCodeByte(CodeType::DCS, random.Below(DCS_LIST_SIZE)));
      break;
  }
}

void ValidChannel(SplitMix &random, std::uint32_t band, std::uint8_t *record) {
  const bool narrow = random.Below(2) == 0;
  const int grid = narrow ? 125 : 250;
  const int steps = 200000 / grid;
  std::uint32_t rx = 0;
  std::uint32_t tx = 0;
  if (random.Below(4) != 0) {
    rx = band + static_cast<std::uint32_t>(random.Below(steps + 1) * grid);
    // Within the window and at most 10 MHz from the receive frequency.
    const int low = static_cast<int>(rx > band + 100000 ? rx - 100000 : band);
    const int high = static_cast<int>(rx + 100000 < band + 200000 ? rx + 100000 : band + 200000);
    tx = static_cast<std::uint32_t>(low + random.Below((high - low) / grid + 1) * grid);
  }
  std::uint8_t flags = static_cast<std::uint8_t>((narrow ? FLAG_NARROW : 0) | random.Below(8));
  std::uint8_t txCode = 0;
  std::uint8_t rxCode = 0;
  ChooseCode(random, FLAG_TX_CODED, FLAG_TX_CTCSS, flags, txCode);
  ChooseCode(random, FLAG_RX_CODED, FLAG_RX_CTCSS, flags, rxCode);
  WriteField24(record + RecordOffset::RX_FREQUENCY, rx);
  record[RecordOffset::RX_CODE] = rxCode;
  record[RecordOffset::TOT] = static_cast<std::uint8_t>(1 + random.Below(100));
  WriteField24(record + RecordOffset::TX_FREQUENCY, tx);
  record[RecordOffset::TX_CODE] = txCode;
  record[RecordOffset::FLAGS] = flags;
  record[RecordOffset::SQUELCH] = SQUELCH_LEVEL_BYTES[static_cast<std::size_t>(random.Below(SQUELCH_LEVEL_COUNT))];
}

}  // namespace

ChannelImage GeneratedImage(ImageStyle style, std::uint32_t seed) {
  SplitMix random(seed);
  ChannelImage image;
  for (std::uint8_t &byte : image.bytes) {
    byte = random.Byte();
  }
  if (style != ImageStyle::RANDOM) {
    const auto band = static_cast<std::uint32_t>(3500000 + 100000 * random.Below(11));
    WriteField24(image.Settings() + SettingsOffset::BAND_BASE, band);
    const int wild = style == ImageStyle::MIXED ? 1 + random.Below(3) : 0;
    for (std::size_t channel = 0; channel < CHANNEL_COUNT; ++channel) {
      ValidChannel(random, band, image.Record(channel));
    }
    for (int i = 0; i < wild; ++i) {
      std::uint8_t *record = image.Record(static_cast<std::size_t>(random.Below(CHANNEL_COUNT)));
      for (std::size_t b = 0; b < RECORD_SIZE; ++b) {
        record[b] = random.Byte();
      }
    }
  }
  if (image.bytes[REPLY_MARKER_OFFSET] == 0) {
    image.bytes[REPLY_MARKER_OFFSET] = 0x5A;
  }
  return image;
}

std::vector<std::uint8_t> ReplyBytes(const Action &action) {
  const ChannelImage image = GeneratedImage(action.style, action.seed);
  std::vector<std::uint8_t> bytes(image.bytes.begin(), image.bytes.end());
  if (action.reply == Reply::MARKER_ZERO) {
    bytes[REPLY_MARKER_OFFSET] = 0;
  } else if (action.reply == Reply::SHORT) {
    bytes.resize(action.replyLength < IMAGE_SIZE ? action.replyLength : IMAGE_SIZE - 1);
  }
  return bytes;
}

std::vector<std::uint8_t> FileBytes(const Action &action) {
  if (action.file == FileChoice::CANCEL) {
    return {};
  }
  const ChannelImage image = GeneratedImage(action.style, action.seed);
  std::vector<std::uint8_t> bytes(image.bytes.begin(), image.bytes.end());
  if (action.file == FileChoice::WRONG_SIZE) {
    bytes.resize(action.seed % 2 == 0 ? IMAGE_SIZE - 1 : IMAGE_SIZE + 1, 0);
  }
  return bytes;
}

const char *ListName(List list) {
  constexpr std::array<const char *, LIST_COUNT> NAMES = {
      "频道窄/宽选择", "频道选择", "发射 编码类型", "发射 编码表",
      "静噪等级",      "接收 编码类型", "接收 编码表", "串行口选择"};
  return NAMES[static_cast<std::size_t>(list)];
}

const char *EditName(Edit edit) {
  constexpr std::array<const char *, EDIT_COUNT> NAMES = {
      "发射 频率", "接收 频率", "接收 所选编码", "TOT限时", "发射 所选编码", "所选窄/宽值", "频段", "所选静噪等级"};
  return NAMES[static_cast<std::size_t>(edit)];
}
