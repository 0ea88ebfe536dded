// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaled_value.h"

#include <cmath>
#include <limits>

std::int32_t ScaledToInt(double value, double factor) {
  const double product = value * factor;
  if (std::isnan(product)) {
    return std::numeric_limits<std::int32_t>::max();
  }
  const double truncated = std::trunc(product);
  constexpr double lowest = static_cast<double>(std::numeric_limits<std::int32_t>::min());
  constexpr double highest = static_cast<double>(std::numeric_limits<std::int32_t>::max());
  if (truncated <= lowest) {
    return std::numeric_limits<std::int32_t>::min();
  }
  if (truncated >= highest) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(truncated);
}
