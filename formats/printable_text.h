// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text from a file, made safe to print on a terminal inside a message.

#include <string>
#include <string_view>

// Control characters (C0, DEL and C1), the characters that reorder or break lines (U+2028 to
// U+202E, U+2066 to U+2069) and bytes that are no UTF-8 become \xNN, one per byte, so that a
// field cannot move the cursor, recolour the terminal or hide part of a message. Other UTF-8
// text, Chinese included, stays as it is.
std::string EscapeUnprintable(std::string_view text);
