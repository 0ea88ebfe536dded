// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether what arrived in answer to a read request is the radio's memory. The window and the
// command line judge by this one rule, so neither can take a reply the other refuses.

#include <array>
#include <cstddef>
#include <cstdint>

#include "channel_image.h"

enum class ReplyFault {
  NONE,         // the radio's memory: every byte arrived, the marker is set
  NO_REPLY,     // nothing arrived
  CUT_SHORT,    // some bytes arrived, not all: the rest of the image is unknown
  ZERO_MARKER,  // every byte arrived, but byte 179 says the radio did not mean it as its memory
};

// Judges a reply of which `arrived` bytes landed in `reply`. A reply cut short never counts,
// whatever its marker says: the bytes that did not come would go into the image as zeros and,
// at the next write, into the radio. `markerMatters` false serves a read-back that is compared
// byte for byte, where the marker is one byte like the others.
ReplyFault JudgeReply(const std::array<std::uint8_t, IMAGE_SIZE> &reply, std::size_t arrived,
                      bool markerMatters = true);
