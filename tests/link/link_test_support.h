// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Byte patterns and set-up shared by the link tests.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "event_loop.h"

// Distinct, nonzero-rich bytes, so that a byte at the wrong offset shows.
inline std::vector<std::uint8_t> BytePattern(std::size_t count, unsigned seed) {
  std::vector<std::uint8_t> bytes(count);
  for (std::size_t i = 0; i < count; ++i) {
    bytes[i] = static_cast<std::uint8_t>((i * 7 + seed * 31 + 1) % 251 + 3);
  }
  return bytes;
}

inline std::vector<std::uint8_t> AllByteValues() {
  std::vector<std::uint8_t> bytes(256);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    bytes[i] = static_cast<std::uint8_t>(i);
  }
  return bytes;
}

template <std::size_t N>
bool StartsWith(const std::array<std::uint8_t, N> &buffer, const std::vector<std::uint8_t> &bytes) {
  return bytes.size() <= N && std::equal(bytes.begin(), bytes.end(), buffer.begin());
}

// First member of every fixture: the Qt application must exist before any port object.
struct ApplicationGuard {
  ApplicationGuard() { EnsureApplication(); }
};
