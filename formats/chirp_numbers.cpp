// SPDX-License-Identifier: GPL-3.0-or-later
#include "chirp_numbers.h"

#include <cstdio>

#include "channel_image.h"

namespace {

constexpr std::uint32_t HZ_PER_UNIT = 100;
constexpr std::uint32_t HZ_PER_MHZ = 1000000;
constexpr int MEGAHERTZ_DECIMALS = 4;  // 100 Hz units are 1e-4 MHz
// Enough for any value that fits 32 bits, few enough that the sum cannot overflow 64 bits.
constexpr std::size_t MAX_DIGITS = 18;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string FormatMegahertz(std::uint32_t units) {
  const std::uint64_t hertz = std::uint64_t{units} * HZ_PER_UNIT;
  char text[32];
  std::snprintf(text, sizeof text, "%llu.%06llu", static_cast<unsigned long long>(hertz / HZ_PER_MHZ),
                static_cast<unsigned long long>(hertz % HZ_PER_MHZ));
  return text;
}

std::string FormatTenths(std::uint32_t tenths) {
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

NumberReading ReadScaledDecimal(std::string_view text, int decimals, std::uint32_t largest,
                                std::uint32_t &value) {
  text = TrimBlanks(text);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() && fraction.empty()) {
    return NumberReading::NOT_A_NUMBER;
  }
  for (const std::string_view part : {whole, fraction}) {
    for (const char c : part) {
      if (!IsDigit(c)) return NumberReading::NOT_A_NUMBER;
    }
  }
  std::size_t significant = 0;
  while (significant < whole.size() && whole[significant] == '0') ++significant;
  if (whole.size() - significant > MAX_DIGITS) {
    return NumberReading::TOO_LARGE;
  }
  std::uint64_t scaled = 0;
  for (const char c : whole.substr(significant)) {
    scaled = scaled * 10 + static_cast<std::uint64_t>(c - '0');
  }
  // From here on `scaled` stays below 2^32 before each step, so it cannot overflow.
  if (scaled > largest) {
    return NumberReading::TOO_LARGE;
  }
  for (int i = 0; i < decimals; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const int digit = index < fraction.size() ? fraction[index] - '0' : 0;
    scaled = scaled * 10 + static_cast<std::uint64_t>(digit);
    if (scaled > largest) return NumberReading::TOO_LARGE;
  }
  for (std::size_t i = static_cast<std::size_t>(decimals); i < fraction.size(); ++i) {
    if (fraction[i] != '0') return NumberReading::TOO_FINE;
  }
  value = static_cast<std::uint32_t>(scaled);
  return NumberReading::OK;
}

bool ReadMegahertz(std::string_view text, std::uint32_t &units, std::string &error) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty()) {
    units = 0;
    return true;
  }
  const std::string shown = "\"" + std::string(trimmed) + "\"";
  switch (ReadScaledDecimal(trimmed, MEGAHERTZ_DECIMALS, FIELD24_MAX, units)) {
    case NumberReading::OK:
      return true;
    case NumberReading::NOT_A_NUMBER:
      error = shown + " is not a frequency in MHz";
      return false;
    case NumberReading::TOO_FINE:
      error = shown + " MHz is not a whole number of 100 Hz";
      return false;
    case NumberReading::TOO_LARGE:
      error = shown + " MHz is above " + FormatMegahertz(FIELD24_MAX) + " MHz, the most the radio's memory holds";
      return false;
  }
  return false;
}
