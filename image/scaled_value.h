// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one conversion from an edit's double (MHz or minutes) to the integer units of the image.

#include <cstdint>

constexpr double FREQUENCY_FACTOR = 10000.0;  // MHz to 100 Hz units
constexpr double TOT_FACTOR = 10.0;           // minutes to tenths of a minute

// value × factor in double precision, truncated toward zero, saturated to the 32-bit range
// (NaN gives the largest value, as no field holds it: never 0, which a frequency takes for "not
// set"), so no typed number can overflow an integer.
std::int32_t ScaledToInt(double value, double factor);
