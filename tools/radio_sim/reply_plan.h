// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the radio sends back for one read request, with the chosen fault applied.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sample_memory.h"
#include "sim_options.h"

struct ReplyPlan {
  bool answers = true;                      // false: the request goes unanswered
  std::chrono::milliseconds delay{0};       // from the request to the first byte
  std::vector<std::uint8_t> bytes;          // in the order they go on the line
  bool hangUpAfter = false;                 // the device disappears once `bytes` are sent
  std::size_t pauseAfter = 0;               // with a nonzero `pause`: the line falls silent
  std::chrono::milliseconds pause{0};       // after this many bytes, for this long
};

// The `pause` fault's silence: past the programmer's 1000 ms reply gap with room to spare for
// a busy machine, yet short enough that the rest still comes within its 2000 ms read window.
constexpr std::chrono::milliseconds PAUSE_FAULT_GAP{1200};

ReplyPlan PlanReply(const RadioMemory &memory, Fault fault, std::uint32_t faultArg);

// The `garbage` fault's bytes: the same seed always gives the same 187 bytes. Byte 179 is 0 for
// an even seed and nonzero for an odd one, so a test picks whether the programmer should accept
// the garbage by the seed's parity alone.
RadioMemory GarbageMemory(std::uint32_t seed);

// Filler of the `long` fault's extra bytes, easy to spot in a dump.
constexpr std::uint8_t LONG_REPLY_FILLER = 0xEE;
