// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_selection.h"

#include "code_tables.h"

CodeTableEntries CodeTableFor(CodeType type) {
  switch (type) {
    case CodeType::CTCSS:
      return {CTCSS_TONES.data(), CTCSS_TONES.size()};
    case CodeType::DCS:
      return {DCS_CODE_LIST.data(), DCS_CODE_LIST.size()};
    case CodeType::NONE:
      break;
  }
  return {nullptr, 0};
}

int CodeTypeListPosition(CodeType type) {
  // The type list sorts its texts, and "无" sorts after both Latin names.
  switch (type) {
    case CodeType::CTCSS:
      return 0;
    case CodeType::DCS:
      return 1;
    case CodeType::NONE:
      break;
  }
  return 2;
}

std::uint8_t FlagsForChosenType(std::uint8_t flags, CodeDirection direction, CodeType chosen) {
  switch (chosen) {
    case CodeType::DCS:
      return static_cast<std::uint8_t>((flags & ~direction.ctcssBit) | direction.codedBit);
    case CodeType::CTCSS:
      return static_cast<std::uint8_t>(flags | direction.ctcssBit | direction.codedBit);
    case CodeType::NONE:
      // The CTCSS bit is left as it was: only the CODED bit says whether a code is present.
      return static_cast<std::uint8_t>(flags & ~direction.codedBit);
  }
  return flags;
}

int CodeByteForPick(std::uint8_t flags, CodeDirection direction, int position) {
  // Judged by the flags, not by the list: the two always agree in the editor, and the flags are
  // what the radio will read the byte under.
  const CodeType type = CodeTypeOf(flags, direction);
  if (type == CodeType::NONE) {
    return 0;
  }
  return EncodeCodeByte(type, position);
}
