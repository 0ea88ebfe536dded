// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory the simulated radio starts with when no --memory file is given: a plausible set of
// channels on the 400 MHz band that passes the programmer's write checks unchanged.

#include <array>
#include <cstdint>

#include "channel_image.h"

using RadioMemory = std::array<std::uint8_t, IMAGE_SIZE>;

RadioMemory BuildSampleMemory();
