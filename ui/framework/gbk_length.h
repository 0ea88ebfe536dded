// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Length limits of the text edits count bytes of the GBK (code page 936) form of the text: a
// Chinese character counts two, an ASCII character one.

#include <cstddef>
#include <string>

// Bytes of the GBK form of a UTF-8 text. A character that GBK cannot hold counts one byte, the
// '?' that the code page would put in its place; so does each byte of malformed UTF-8.
std::size_t GbkByteCount(const std::string &utf8);
