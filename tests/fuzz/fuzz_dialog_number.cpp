// SPDX-License-Identifier: GPL-3.0-or-later
// Any text into the number edits' reader. The reference is the C library itself: the reader
// must accept exactly the texts that strtod, in the "C" locale, reads as a decimal number
// followed only by blanks and tabs (zero only when written with a leading '0'), with the same
// value to the bit. What the loading exchange writes for an accepted value must read back.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

#include "dialog_number.h"
#include "fuzz_check.h"

namespace {

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// The white space that strtod skips in the "C" locale.
bool IsCSpace(char c) { return std::strchr(" \t\n\v\f\r", c) != nullptr && c != '\0'; }

bool IsDecimalCharacter(char c) { return std::strchr("0123456789+-.eE", c) != nullptr && c != '\0'; }

struct StrtodReading {
  bool isNumber;
  double value;
};

// What the edit's text means to strtod: the first 31 bytes up to a NUL, a decimal prefix (a
// hexadecimal, "inf" or "nan" prefix counts as no number), then only blanks and tabs, and a zero
// only when the first character after the blanks and tabs is '0'.
StrtodReading ReadWithStrtod(const std::string &text) {
  const std::string read = std::string(text.substr(0, DIALOG_NUMBER_READ_LIMIT).c_str());
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  char *end = nullptr;
  const double value = strtod_l(read.c_str(), &end, cLocale);
  const std::size_t endPos = static_cast<std::size_t>(end - read.c_str());
  if (endPos == 0) {
    return {false, 0.0};
  }

  std::size_t numberStart = 0;
  while (numberStart < read.size() && IsCSpace(read[numberStart])) {
    ++numberStart;
  }
  for (std::size_t i = numberStart; i < endPos; ++i) {
    if (!IsDecimalCharacter(read[i])) {
      return {false, 0.0};
    }
  }
  for (std::size_t i = endPos; i < read.size(); ++i) {
    if (!IsBlankOrTab(read[i])) {
      return {false, 0.0};
    }
  }
  std::size_t first = 0;
  while (first < read.size() && IsBlankOrTab(read[first])) {
    ++first;
  }
  if (value == 0.0 && (first == read.size() || read[first] != '0')) {
    return {false, 0.0};
  }
  return {true, value};
}

bool SameBits(double a, double b) {
  std::uint64_t bitsA = 0;
  std::uint64_t bitsB = 0;
  std::memcpy(&bitsA, &a, sizeof a);
  std::memcpy(&bitsB, &b, sizeof b);
  return bitsA == bitsB;
}

// Significant digits of the shortest text that reads back as `value` exactly.
std::size_t ShortestDigitCount(double value) {
  char buffer[64];
  const std::to_chars_result result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  std::size_t digits = 0;
  for (const char *c = buffer; c != result.ptr && *c != 'e'; ++c) {
    digits += (*c >= '0' && *c <= '9') ? 1 : 0;
  }
  return digits;
}

// The text the loading exchange writes for `value` reads back as a number. Fifteen digits are
// fewer than a double holds, so the value read back is only within a relative 1e-14 (twice the
// half unit in the fifteenth digit); it is the same double whenever fifteen digits are enough to
// write the value exactly. Near the largest double, rounding to fifteen digits goes past it and
// the text reads back as infinity; that is the one text that can.
void CheckShownValueReadsBack(double value) {
  if (std::isinf(value)) {
    return;  // shown as "inf", which is no number by design; the range checks refuse it
  }
  const std::string shown = FormatDialogNumber(value);
  double readBack = 0.0;
  FuzzCheck(ParseDialogNumber(shown, readBack), "the shown value reads back as a number");
  if (std::isinf(readBack)) {
    FuzzCheck(shown == "1.79769313486232e+308" || shown == "-1.79769313486232e+308",
              "only a value rounded past the largest double reads back as infinity");
    return;
  }
  // y - x is exact for values this close; scaling the difference up keeps tiny values exact.
  FuzzCheck(std::fabs(readBack - value) * 1e14 <= std::fabs(value),
            "the shown value reads back within a relative 1e-14");
  if (ShortestDigitCount(value) <= static_cast<std::size_t>(DIALOG_NUMBER_PRECISION)) {
    FuzzCheck(SameBits(readBack, value), "a value of at most 15 digits reads back exactly");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  const double untouched = -12345.5;
  double value = untouched;
  const bool accepted = ParseDialogNumber(text, value);
  const StrtodReading reference = ReadWithStrtod(text);

  FuzzCheck(accepted == reference.isNumber, "accepted exactly when strtod reads a decimal number");
  if (!accepted) {
    FuzzCheck(SameBits(value, untouched), "a refused text leaves the value untouched");
    return 0;
  }
  FuzzCheck(SameBits(value, reference.value), "the same double as strtod");
  FuzzCheck(!std::isnan(value), "never NaN");
  const std::string read = std::string(text.substr(0, DIALOG_NUMBER_READ_LIMIT).c_str());
  FuzzCheck(read.find_first_not_of(" \t\n\v\f\r0123456789+-.eE") == std::string::npos,
            "an accepted text holds no hexadecimal, infinity or NaN form");

  std::size_t first = 0;
  while (first < text.size() && IsBlankOrTab(text[first])) {
    ++first;
  }
  FuzzCheck(value != 0.0 || (first < text.size() && text[first] == '0'),
            "zero only when the first character after the blanks and tabs is '0'");

  CheckShownValueReadsBack(value);
  return 0;
}
