// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One encoding for the transmit and the receive code byte: a code is told by the direction's
// two flag bits (CODED, CTCSS) and its code byte together.

#include <cstddef>
#include <cstdint>

#include "channel_image.h"

enum class CodeType { NONE, CTCSS, DCS };

// DecodeCodeByte's answer for a byte that no list entry encodes to.
constexpr int NO_CODE_ENTRY = -1;

// The two flag bits of one direction.
struct CodeDirection {
  std::uint8_t codedBit;
  std::uint8_t ctcssBit;
};
constexpr CodeDirection TX_CODE_BITS{FLAG_TX_CODED, FLAG_TX_CTCSS};
constexpr CodeDirection RX_CODE_BITS{FLAG_RX_CODED, FLAG_RX_CTCSS};

CodeType CodeTypeOf(std::uint8_t flags, CodeDirection direction);

// Code byte (0 to 255) of list position `position` (0..37 for CTCSS, 0..165 for DCS).
// Positions outside the list give 0.
int EncodeCodeByte(CodeType type, int position);

// List position of a code byte, or NO_CODE_ENTRY when the byte has no entry: a CTCSS byte of 38
// or more, an inverted DCS byte whose low seven bits are 28 (nobody's partner) or 84 and above.
// Never reads outside a table.
int DecodeCodeByte(CodeType type, int codeByte);
