// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a choice in the code type list and in the code table list does to one direction.

#include <cstddef>
#include <cstdint>

#include "code_byte.h"

// The entries a code table list holds for a code type (none for NONE).
struct CodeTableEntries {
  const char *const *texts;
  std::size_t count;
};
CodeTableEntries CodeTableFor(CodeType type);

// Texts of the code type lists, and the position each type has once the sorted list holds them.
constexpr const char *CODE_TYPE_CTCSS_TEXT = "CTCSS";
constexpr const char *CODE_TYPE_DCS_TEXT = "DCS";
constexpr const char *CODE_TYPE_NONE_TEXT = "无";
int CodeTypeListPosition(CodeType type);  // CTCSS 0, DCS 1, NONE 2

// Flags after the user chose `chosen` for the direction: DCS sets CODED and clears CTCSS, CTCSS
// sets both, NONE clears CODED alone. No other bit changes; the code byte is not touched.
std::uint8_t FlagsForChosenType(std::uint8_t flags, CodeDirection direction, CodeType chosen);

// Code byte after the user picked list position `position`, judged by the flags, not by what
// the list holds: 0 while the direction is not coded.
int CodeByteForPick(std::uint8_t flags, CodeDirection direction, int position);
