// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <numeric>

#include "reply_plan.h"

namespace {

RadioMemory Counting() {
  RadioMemory memory{};
  std::iota(memory.begin(), memory.end(), std::uint8_t{1});
  return memory;
}

std::vector<std::uint8_t> Prefix(const RadioMemory &memory, std::size_t count) {
  return std::vector<std::uint8_t>(memory.begin(), memory.begin() + static_cast<std::ptrdiff_t>(count));
}

struct PlanCase {
  const char *name;
  Fault fault;
  std::uint32_t arg;
  bool answers;
  int delayMs;
  std::size_t length;
  bool hangUp;
};

const PlanCase PLAN_CASES[] = {
    {"none", Fault::NONE, 0, true, 0, 187, false},
    {"silent", Fault::SILENT, 0, false, 0, 0, false},
    {"delay", Fault::DELAY, 1500, true, 1500, 187, false},
    {"short 100", Fault::SHORT, 100, true, 0, 100, false},
    {"short 0", Fault::SHORT, 0, true, 0, 0, false},
    {"short 187", Fault::SHORT, 187, true, 0, 187, false},
    {"long 10", Fault::LONG, 10, true, 0, 197, false},
    {"hangup 20", Fault::HANGUP, 20, true, 0, 20, true},
    {"hangup 187", Fault::HANGUP, 187, true, 0, 187, true},
};

}  // namespace

TEST(ReplyPlan, EachFaultShapesTheReplyAsDocumented) {
  const RadioMemory memory = Counting();
  for (const PlanCase &c : PLAN_CASES) {
    SCOPED_TRACE(c.name);
    const ReplyPlan plan = PlanReply(memory, c.fault, c.arg);
    EXPECT_EQ(plan.answers, c.answers);
    EXPECT_EQ(plan.delay.count(), c.delayMs);
    EXPECT_EQ(plan.hangUpAfter, c.hangUp);
    ASSERT_EQ(plan.bytes.size(), c.length);
    const std::size_t fromMemory = std::min<std::size_t>(c.length, IMAGE_SIZE);
    EXPECT_EQ(Prefix(memory, fromMemory), std::vector<std::uint8_t>(plan.bytes.begin(), plan.bytes.begin() + static_cast<std::ptrdiff_t>(fromMemory)));
    for (std::size_t i = IMAGE_SIZE; i < plan.bytes.size(); ++i) EXPECT_EQ(plan.bytes[i], LONG_REPLY_FILLER);
  }
}

TEST(ReplyPlan, ZeroMarkerClearsByte179Only) {
  const RadioMemory memory = Counting();
  const ReplyPlan plan = PlanReply(memory, Fault::ZERO_MARKER, 0);
  ASSERT_EQ(plan.bytes.size(), IMAGE_SIZE);
  for (std::size_t i = 0; i < IMAGE_SIZE; ++i) {
    EXPECT_EQ(plan.bytes[i], i == 179 ? 0 : memory[i]) << "byte " << i;
  }
}

TEST(ReplyPlan, GarbageIsTheSameForTheSameSeedAndDiffersBetweenSeeds) {
  EXPECT_EQ(GarbageMemory(7), GarbageMemory(7));
  EXPECT_NE(GarbageMemory(7), GarbageMemory(8));
  EXPECT_NE(GarbageMemory(7), GarbageMemory(9));
  const ReplyPlan plan = PlanReply(Counting(), Fault::GARBAGE, 7);
  const RadioMemory garbage = GarbageMemory(7);
  EXPECT_EQ(plan.bytes, std::vector<std::uint8_t>(garbage.begin(), garbage.end()));
  // Garbage, not the memory: most bytes differ from a plain counting pattern.
  int differing = 0;
  const RadioMemory memory = Counting();
  for (std::size_t i = 0; i < IMAGE_SIZE; ++i) differing += garbage[i] != memory[i];
  EXPECT_GT(differing, 150);
}

TEST(ReplyPlan, GarbageMarkerIsZeroExactlyForEvenSeeds) {
  for (std::uint32_t seed = 0; seed < 2000; ++seed) {
    const std::uint8_t marker = GarbageMemory(seed)[REPLY_MARKER_OFFSET];
    if (seed % 2 == 0) {
      EXPECT_EQ(marker, 0) << "seed " << seed;
    } else {
      EXPECT_NE(marker, 0) << "seed " << seed;
    }
  }
}
