// SPDX-License-Identifier: GPL-3.0-or-later
// Each way the radio can answer a read badly, played by the simulator: the message the user
// gets, and what the image holds afterwards.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "radio_editor_fixture.h"
#include "reply_plan.h"
#include "transfer_expectations.h"

namespace {

// What the image must hold once the read has ended.
enum class Outcome {
  KEPT,           // the image from before the read
  RADIO_MEMORY,   // the radio's memory, all 187 bytes
  GARBAGE,        // the garbage the radio sent
};

struct FaultCase {
  const char *name;
  std::vector<std::string> options;
  std::string message;
  Outcome outcome;
  unsigned faultArg;
};

void PrintTo(const FaultCase &c, std::ostream *out) { *out << c.name; }

// `arg` 0: a fault that takes no argument.
std::vector<std::string> Fault(const char *name, unsigned arg = 0, bool paced = false) {
  std::vector<std::string> options = {"--fault", name};
  if (arg != 0) {
    options.insert(options.end(), {"--fault-arg", std::to_string(arg)});
  }
  if (!paced) {
    options.push_back("--no-pacing");
  }
  return options;
}

const FaultCase FAULT_CASES[] = {
    {"silent", Fault("silent"), READ_FAILED, Outcome::KEPT, 0},
    {"delay_past_the_window", Fault("delay", 2600), READ_FAILED, Outcome::KEPT, 0},
    {"delay_within_the_window_paced", Fault("delay", 400, true), READ_DONE, Outcome::RADIO_MEMORY, 0},
    {"short_of_the_marker", Fault("short", 100), READ_FAILED, Outcome::KEPT, 0},
    // The marker came and is set, but bytes 185 and 186 never did.
    {"short_after_the_marker", Fault("short", 185), READ_FAILED, Outcome::KEPT, 0},
    {"zero_marker", Fault("zero-marker"), READ_FAILED, Outcome::KEPT, 0},
    {"garbage_even_seed", Fault("garbage", 42), READ_FAILED, Outcome::KEPT, 0},
    {"garbage_odd_seed", Fault("garbage", 7), READ_DONE, Outcome::GARBAGE, 7},
    {"long", Fault("long", 50), READ_DONE, Outcome::RADIO_MEMORY, 0},
    // 100 bytes, 1.2 s of silence, the other 87 well within the window: the gap ended the read.
    {"pause_past_the_reply_gap", Fault("pause", 100), READ_FAILED, Outcome::KEPT, 0},
    {"refuse", Fault("refuse"), READ_OPEN_FAILED, Outcome::KEPT, 0},
};

Bytes ExpectedImage(const FaultCase &c, const Bytes &before, const Bytes &radioMemory) {
  switch (c.outcome) {
    case Outcome::KEPT:
      return before;
    case Outcome::RADIO_MEMORY:
      return radioMemory;
    case Outcome::GARBAGE: {
      const RadioMemory garbage = GarbageMemory(c.faultArg);
      Bytes image(garbage.begin(), garbage.end());
      // Showing channel 1 puts a squelch byte that is no level back to level 3, in its record.
      if (!IsSquelchLevelByte(image[ChannelByte(1, SQUELCH_BYTE)])) {
        image[ChannelByte(1, SQUELCH_BYTE)] = 200;
      }
      return image;
    }
  }
  return {};
}

class ReadFault : public RadioEditorTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ReadFault, GivesItsMessageAndLeavesTheImageAsTheRadioDeserves) {
  const FaultCase &c = GetParam();
  const Bytes before = ValidMemory(1);
  const Bytes radioMemory = ValidMemory(0);
  ShowImage(before);
  ClickEntry(ControlId::CHANNEL_LIST, 3);
  ASSERT_TRUE(StartRadio(radioMemory, c.options));

  ClickButton(ControlId::READ_BUTTON);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
  EXPECT_TRUE(SameBytes(ImageBytes(), ExpectedImage(c, before, radioMemory)));
  EXPECT_FALSE(dialog->IsTimerRunning(READ_TIMER));
  EXPECT_FALSE(dialog->Port().portHandle.isOpen());
  // A read that got as far as the radio ends at its timer with channel 1; one that could not
  // open the port leaves the channel on show.
  ExpectChannelOnScreen(c.message == READ_OPEN_FAILED ? 4 : 1);
}

INSTANTIATE_TEST_SUITE_P(RadioFaults, ReadFault, ::testing::ValuesIn(FAULT_CASES),
                         [](const ::testing::TestParamInfo<FaultCase> &row) { return row.param.name; });

}  // namespace
