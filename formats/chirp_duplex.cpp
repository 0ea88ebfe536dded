// SPDX-License-Identifier: GPL-3.0-or-later
#include "chirp_duplex.h"

#include <cstdint>
#include <string_view>

#include "channel_image.h"
#include "chirp_numbers.h"

namespace {

constexpr const char *DUPLEX_SAME = "";
constexpr const char *DUPLEX_UP = "+";
constexpr const char *DUPLEX_DOWN = "-";
constexpr const char *DUPLEX_SPLIT = "split";
constexpr const char *DUPLEX_OFF = "off";
// Past 70 MHz an offset reads like a second frequency, and CHIRP writes such pairs as a split.
constexpr std::uint32_t LARGEST_OFFSET = 700000;

}  // namespace

ChirpDuplexFields DuplexFieldsOf(std::uint32_t rxFrequency, std::uint32_t txFrequency) {
  if (txFrequency == rxFrequency) {
    return {DUPLEX_SAME, FormatMegahertz(0)};
  }
  if (txFrequency == 0) {
    return {DUPLEX_OFF, FormatMegahertz(0)};
  }
  const std::uint32_t distance = txFrequency > rxFrequency ? txFrequency - rxFrequency : rxFrequency - txFrequency;
  if (distance > LARGEST_OFFSET) {
    return {DUPLEX_SPLIT, FormatMegahertz(txFrequency)};
  }
  return {txFrequency > rxFrequency ? DUPLEX_UP : DUPLEX_DOWN, FormatMegahertz(distance)};
}

bool TxFrequencyOf(std::uint32_t rxFrequency, const ChirpDuplexFields &fields, std::uint32_t &txFrequency,
                   std::string &error) {
  const std::string_view duplex = TrimBlanks(fields.duplex);
  if (duplex == DUPLEX_SAME) {
    txFrequency = rxFrequency;
    return true;
  }
  if (duplex == DUPLEX_OFF) {
    txFrequency = 0;
    return true;
  }
  if (duplex != DUPLEX_UP && duplex != DUPLEX_DOWN && duplex != DUPLEX_SPLIT) {
    error = "Duplex \"" + fields.duplex + "\" is not one of \"\", \"+\", \"-\", \"split\" or \"off\"";
    return false;
  }
  std::uint32_t offset = 0;
  std::string offsetError;
  if (!ReadMegahertz(fields.offset, offset, offsetError)) {
    error = "Offset " + offsetError;
    return false;
  }
  if (duplex == DUPLEX_SPLIT) {
    txFrequency = offset;
    return true;
  }
  const std::int64_t tx = std::int64_t{rxFrequency} + (duplex == DUPLEX_UP ? offset : -std::int64_t{offset});
  if (tx < 0 || tx > std::int64_t{FIELD24_MAX}) {
    error = "the transmit frequency, " + FormatMegahertz(rxFrequency) + " MHz " + std::string(duplex) + " " +
            FormatMegahertz(offset) + " MHz, is outside 0 to " + FormatMegahertz(FIELD24_MAX) + " MHz";
    return false;
  }
  txFrequency = static_cast<std::uint32_t>(tx);
  return true;
}
