// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_number.h"

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace {

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// The white space that strtod skips by itself in the "C" locale.
bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(const std::string &text, std::size_t pos) {
  while (pos < text.size() && IsDigit(text[pos])) {
    ++pos;
  }
  return pos;
}

// Length of the longest decimal number at `start`, or 0 when there is none: the prefix that
// strtod would convert, leaving out the hexadecimal, infinity and NaN forms.
std::size_t DecimalNumberLength(const std::string &text, std::size_t start) {
  std::size_t pos = start;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    ++pos;
  }
  const std::size_t integerEnd = SkipDigits(text, pos);
  std::size_t digitCount = integerEnd - pos;
  pos = integerEnd;
  if (pos < text.size() && text[pos] == '.') {
    const std::size_t fractionEnd = SkipDigits(text, pos + 1);
    digitCount += fractionEnd - (pos + 1);
    pos = fractionEnd;
  }
  if (digitCount == 0) {
    return 0;
  }
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t exponent = pos + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
      ++exponent;
    }
    const std::size_t exponentEnd = SkipDigits(text, exponent);
    if (exponentEnd > exponent) {  // an 'e' without digits is not part of the number
      pos = exponentEnd;
    }
  }
  return pos - start;
}

// strtod in the "C" locale: the application's own locale may use a decimal comma.
double ConvertDecimal(const std::string &number) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return strtod_l(number.c_str(), nullptr, cLocale);
}

}  // namespace

std::string FormatDialogNumber(double value) {
  char buffer[64];
  const std::to_chars_result result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                    DIALOG_NUMBER_PRECISION);
  return std::string(buffer, result.ptr);
}

bool ParseDialogNumber(const std::string &text, double &value) {
  std::string read = text.substr(0, DIALOG_NUMBER_READ_LIMIT);
  read = read.substr(0, read.find('\0'));

  std::size_t pos = 0;
  while (pos < read.size() && IsBlankOrTab(read[pos])) {
    ++pos;
  }
  const char firstCharacter = pos < read.size() ? read[pos] : '\0';
  while (pos < read.size() && IsCSpace(read[pos])) {
    ++pos;
  }

  const std::size_t length = DecimalNumberLength(read, pos);
  const double converted = length == 0 ? 0.0 : ConvertDecimal(read.substr(pos, length));
  if (converted == 0.0 && firstCharacter != '0') {
    return false;
  }
  pos += length;
  while (pos < read.size() && IsBlankOrTab(read[pos])) {
    ++pos;
  }
  if (pos != read.size()) {
    return false;
  }
  value = converted;
  return true;
}
