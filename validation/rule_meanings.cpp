// SPDX-License-Identifier: GPL-3.0-or-later
#include "rule_meanings.h"

#include <array>
#include <utility>

#include "validation_messages.h"

namespace {

constexpr const char *OUT_OF_BAND_RX = "频道接收频率值超出频段范围";
constexpr const char *OUT_OF_BAND_TX = "频道发射频率值超出频段范围";

bool EndsWith(const std::string &text, const std::string &end) {
  return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string RuleInEnglish(const std::string &message) {
  static const std::array<std::pair<const char *, const char *>, 7> fixed = {{
      {MSG_DISTANCE, "receive and transmit frequency must differ by at most 10 MHz"},
      {MSG_BAND, "the band must be 350 to 450 MHz, in steps of 10 MHz"},
      {MSG_RX_GRID_NARROW, "the receive frequency must be a multiple of 12.5 kHz"},
      {MSG_RX_GRID_WIDE, "the receive frequency must be a multiple of 25 kHz"},
      {MSG_TX_GRID_NARROW, "the transmit frequency must be a multiple of 12.5 kHz"},
      {MSG_TX_GRID_WIDE, "the transmit frequency must be a multiple of 25 kHz"},
      {MSG_TOT, "the time limit must be 0.1 to 10 minutes"},
  }};
  for (const auto &[chinese, english] : fixed) {
    if (message == chinese) {
      return english;
    }
  }
  // The channel's number comes first in these: the one in the line's "channel N" already.
  if (EndsWith(message, OUT_OF_BAND_RX)) {
    return "the receive frequency lies outside the band, band to band + 20 MHz";
  }
  if (EndsWith(message, OUT_OF_BAND_TX)) {
    return "the transmit frequency lies outside the band, band to band + 20 MHz";
  }
  return "";
}
