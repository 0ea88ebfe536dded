// SPDX-License-Identifier: GPL-3.0-or-later
#include "printable_text.h"

#include <cstdint>
#include <cstdio>

namespace {

void AppendEscaped(std::string &out, std::string_view bytes) {
  for (const char c : bytes) {
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned>(static_cast<unsigned char>(c)));
    out += escaped;
  }
}

// The length of the well-formed UTF-8 sequence at the start of `text` and its code point; 0 when
// there is none (a stray continuation byte, an overlong form, a surrogate, a cut sequence).
std::size_t Utf8Sequence(std::string_view text, std::uint32_t &codePoint) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(text[i])); };
  const std::uint32_t lead = byte(0);
  std::size_t length = 0;
  std::uint32_t smallest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, smallest = 0x80, codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, smallest = 0x800, codePoint = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, smallest = 0x10000, codePoint = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (byte(i) & 0x3F);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  return codePoint < smallest || codePoint > 0x10FFFF || surrogate ? 0 : length;
}

bool IsPrintable(std::uint32_t codePoint) {
  const bool control = codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
  const bool layout = (codePoint >= 0x2028 && codePoint <= 0x202E) || (codePoint >= 0x2066 && codePoint <= 0x2069);
  return !control && !layout;
}

}  // namespace

std::string EscapeUnprintable(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    std::uint32_t codePoint = static_cast<unsigned char>(text.front());
    const std::size_t length = codePoint < 0x80 ? 1 : Utf8Sequence(text, codePoint);
    if (length != 0 && IsPrintable(codePoint)) {
      out += text.substr(0, length);
    } else {
      AppendEscaped(out, text.substr(0, length == 0 ? 1 : length));
    }
    text.remove_prefix(length == 0 ? 1 : length);
  }
  return out;
}
