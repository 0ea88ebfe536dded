// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_byte.h"

#include <cstring>

#include "code_tables.h"

namespace {

constexpr int INVERTED_BIT = 0x80;
constexpr int NUMBER_INDEX_MASK = 0x7F;
// Index in DCS_CODE_NUMBERS taken by "036"; normal list positions from here on sit one index up.
constexpr int UNLISTED_NUMBER_INDEX = 5;
constexpr int DCS_NORMAL_COUNT = static_cast<int>(DCS_CODE_COUNT);

// First index of `text` in `table`, or -1. Bounded by the table's own size.
template <std::size_t N>
int IndexOfText(const std::array<const char *, N> &table, const char *text) {
  for (std::size_t i = 0; i < N; ++i) {
    if (std::strcmp(table[i], text) == 0) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int EncodeDcs(int position) {
  if (position < 0 || position >= static_cast<int>(DCS_LIST_SIZE)) {
    return 0;
  }
  if (position < UNLISTED_NUMBER_INDEX) {
    return position;
  }
  if (position < DCS_NORMAL_COUNT) {
    return position + 1;
  }
  const char *partner = DCS_INVERSION_PARTNERS[static_cast<std::size_t>(position - DCS_NORMAL_COUNT)];
  const int index = IndexOfText(DCS_CODE_NUMBERS, partner);
  return index < 0 ? 0 : (index | INVERTED_BIT);
}

int DecodeDcs(int codeByte) {
  if ((codeByte & INVERTED_BIT) == 0) {
    // 0x05 and 0x54 to 0x7F are never written by this program. They still decode by the same
    // rule (0x05 as "032N", the rest into the inverted half), so every normal byte shows a code.
    return codeByte < UNLISTED_NUMBER_INDEX ? codeByte : codeByte - 1;
  }
  const int numberIndex = codeByte & NUMBER_INDEX_MASK;
  if (numberIndex >= static_cast<int>(DCS_NUMBER_COUNT)) {
    return NO_CODE_ENTRY;
  }
  const char *number = DCS_CODE_NUMBERS[static_cast<std::size_t>(numberIndex)];
  const int partnerIndex = IndexOfText(DCS_INVERSION_PARTNERS, number);
  // "172" is nobody's partner, so 0x9C finds nothing.
  return partnerIndex < 0 ? NO_CODE_ENTRY : DCS_NORMAL_COUNT + partnerIndex;
}

}  // namespace

CodeType CodeTypeOf(std::uint8_t flags, CodeDirection direction) {
  if ((flags & direction.codedBit) == 0) {
    return CodeType::NONE;
  }
  return (flags & direction.ctcssBit) != 0 ? CodeType::CTCSS : CodeType::DCS;
}

int EncodeCodeByte(CodeType type, int position) {
  switch (type) {
    case CodeType::CTCSS:
      return position >= 0 && position < static_cast<int>(CTCSS_TONE_COUNT) ? position : 0;
    case CodeType::DCS:
      return EncodeDcs(position);
    case CodeType::NONE:
      break;
  }
  return 0;
}

int DecodeCodeByte(CodeType type, int codeByte) {
  // A byte from the radio is whatever the radio holds; anything outside 0..255 is not a byte at all.
  if (codeByte < 0 || codeByte > 0xFF) {
    return NO_CODE_ENTRY;
  }
  switch (type) {
    case CodeType::CTCSS:
      return codeByte < static_cast<int>(CTCSS_TONE_COUNT) ? codeByte : NO_CODE_ENTRY;
    case CodeType::DCS:
      return DecodeDcs(codeByte);
    case CodeType::NONE:
      break;
  }
  return NO_CODE_ENTRY;
}
