// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers in CHIRP's CSV texts, written and read with integer arithmetic only, so neither the
// locale nor floating-point rounding can change a digit.

#include <cstdint>
#include <string>
#include <string_view>

// 100 Hz units as CHIRP writes a frequency: whole megahertz, a point and six digits of hertz.
std::string FormatMegahertz(std::uint32_t units);

// A count of tenths as "%.1f" writes it: "88.5", "100.0", "0.5".
std::string FormatTenths(std::uint32_t tenths);

enum class NumberReading { OK, NOT_A_NUMBER, TOO_FINE, TOO_LARGE };

// Reads a plain decimal ("431", "431.025", ".5", "88.50") into units of 10^-decimals, after
// dropping blanks around it. Digits past `decimals` must be zeros, else TOO_FINE; a value above
// `largest` is TOO_LARGE. No sign, exponent or thousands separator is a number here.
NumberReading ReadScaledDecimal(std::string_view text, int decimals, std::uint32_t largest,
                                std::uint32_t &value);

// A frequency in MHz, into 100 Hz units that a 24-bit field holds. An empty text is 0, as in
// CHIRP. On failure `error` says why, in words for the user.
bool ReadMegahertz(std::string_view text, std::uint32_t &units, std::string &error);

std::string_view TrimBlanks(std::string_view text);
