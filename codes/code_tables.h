// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The constant code tables, in the order the code table lists show them.

#include <array>
#include <cstddef>

constexpr std::size_t CTCSS_TONE_COUNT = 38;
constexpr std::size_t DCS_CODE_COUNT = 83;
constexpr std::size_t DCS_LIST_SIZE = 2 * DCS_CODE_COUNT;  // normal forms, then inverted forms
constexpr std::size_t DCS_NUMBER_COUNT = 84;               // the 83 codes with "036" at index 5

extern const std::array<const char *, CTCSS_TONE_COUNT> CTCSS_TONES;
extern const std::array<const char *, DCS_LIST_SIZE> DCS_CODE_LIST;
extern const std::array<const char *, DCS_NUMBER_COUNT> DCS_CODE_NUMBERS;
extern const std::array<const char *, DCS_CODE_COUNT> DCS_INVERSION_PARTNERS;
