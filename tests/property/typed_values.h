// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An invariant that follows no rule of the editor, beside the comparison with its model: every
// frequency, time limit and band the user typed or pasted reaches the radio as that text's value,
// converted as the window converts it (× 10000 or × 10, truncated toward zero), or the Write is
// refused. It sees only what a user sees: the texts of the four number edits, the channel on
// screen, and the frame that leaves.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "user_actions.h"

struct Screen {
  int channel = 0;                                  // on screen, 0 to 15
  std::array<std::string, NUMBER_EDITS.size()> texts;  // in the order of NUMBER_EDITS
};

class TypedValues {
 public:
  // Words for each value typed before `action` that the frame it sent does not hold; empty when
  // it sent none or holds them all.
  std::string Check(const std::vector<std::uint8_t> &frame) const;
  // What the user has typed once `action` took the window from `before` to `after`. Whatever
  // may have changed a value without the user's typing ends what is known of it.
  void Follow(const Action &action, const Screen &before, const Screen &after);

 private:
  // Per channel, the text typed into each number edit but the band; the band is the radio's.
  std::array<std::array<std::optional<std::string>, NUMBER_EDITS.size()>, CHANNEL_COUNT> typed_;
  std::optional<std::string> band_;
};
