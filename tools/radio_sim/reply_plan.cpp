// SPDX-License-Identifier: GPL-3.0-or-later
#include "reply_plan.h"

namespace {

// SplitMix64: tiny, and fixed by its definition rather than by a library, so the same seed
// gives the same garbage on every system.
std::uint64_t NextSplitMix(std::uint64_t &state) {
  state += 0x9E3779B97F4A7C15ull;
  std::uint64_t z = state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

RadioMemory GarbageMemory(std::uint32_t seed) {
  RadioMemory memory{};
  std::uint64_t state = seed;
  for (std::uint8_t &byte : memory) byte = static_cast<std::uint8_t>(NextSplitMix(state) >> 56);
  std::uint8_t &marker = memory[REPLY_MARKER_OFFSET];
  if (seed % 2 == 0) {
    marker = 0;
  } else if (marker == 0) {
    marker = 1;
  }
  return memory;
}

ReplyPlan PlanReply(const RadioMemory &memory, Fault fault, std::uint32_t faultArg) {
  ReplyPlan plan;
  plan.bytes.assign(memory.begin(), memory.end());
  switch (fault) {
    case Fault::NONE:
      break;
    case Fault::MISSTORE:  // answers with what it stored, the wrong byte included
      break;
    case Fault::SILENT:
    case Fault::REFUSE:
      plan.answers = false;
      plan.bytes.clear();
      break;
    case Fault::DELAY:
      plan.delay = std::chrono::milliseconds(faultArg);
      break;
    case Fault::SHORT:
      if (faultArg < plan.bytes.size()) plan.bytes.resize(faultArg);
      break;
    case Fault::ZERO_MARKER:
      plan.bytes[REPLY_MARKER_OFFSET] = 0;
      break;
    case Fault::GARBAGE: {
      const RadioMemory garbage = GarbageMemory(faultArg);
      plan.bytes.assign(garbage.begin(), garbage.end());
      break;
    }
    case Fault::LONG:
      plan.bytes.insert(plan.bytes.end(), faultArg, LONG_REPLY_FILLER);
      break;
    case Fault::HANGUP:
      if (faultArg < plan.bytes.size()) plan.bytes.resize(faultArg);
      plan.hangUpAfter = true;
      break;
    case Fault::PAUSE:
      plan.pauseAfter = faultArg;
      plan.pause = PAUSE_FAULT_GAP;
      break;
  }
  return plan;
}
