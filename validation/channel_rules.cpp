// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_rules.h"

#include <cstdint>

#include "band_window.h"
#include "validation_messages.h"

namespace {

constexpr std::int64_t MAX_DISTANCE = 100000;  // 10 MHz
constexpr std::int64_t NARROW_GRID = 125;      // 12.5 kHz
constexpr std::int64_t WIDE_GRID = 250;        // 25 kHz
constexpr std::int64_t LOWEST_TOT = 1;         // 0.1 minutes
constexpr std::int64_t HIGHEST_TOT = 100;      // 10 minutes

// The working channel comes from a record, so its fields are small; 64-bit arithmetic keeps the
// rules safe for any value a caller may hand in all the same.
const char *BrokenRule(const WorkingChannel &channel, std::size_t channelIndex) {
  const std::int64_t rx = channel.rxFrequency;
  const std::int64_t tx = channel.txFrequency;
  const std::int64_t band = channel.band;
  const std::int64_t tot = channel.tot;
  const bool narrow = (channel.flags & FLAG_NARROW) != 0;
  const std::int64_t grid = narrow ? NARROW_GRID : WIDE_GRID;

  if (rx - tx > MAX_DISTANCE || tx - rx > MAX_DISTANCE) return MSG_DISTANCE;
  if (!IsBandBase(band)) return MSG_BAND;
  if (OutsideBandWindow(rx, band)) return MSG_RX_OUT_OF_BAND[channelIndex];
  if (OutsideBandWindow(tx, band)) return MSG_TX_OUT_OF_BAND[channelIndex];
  if (rx % grid != 0) return narrow ? MSG_RX_GRID_NARROW : MSG_RX_GRID_WIDE;
  if (tx % grid != 0) return narrow ? MSG_TX_GRID_NARROW : MSG_TX_GRID_WIDE;
  if (tot < LOWEST_TOT || tot > HIGHEST_TOT) return MSG_TOT;
  return nullptr;
}

}  // namespace

const char *FirstBrokenRule(const WorkingChannel &channel, int currentChannel) {
  const bool known = currentChannel >= 0 && currentChannel < static_cast<int>(CHANNEL_COUNT);
  return BrokenRule(channel, known ? static_cast<std::size_t>(currentChannel) : 0);
}

bool ValidateWorkingChannel(const EditorState &state, ValidationWindow &window) {
  const char *message = FirstBrokenRule(state.working, state.currentChannel);
  if (message == nullptr) {
    return true;
  }
  window.ShowMessage(message);
  return false;
}

bool ValidateAllChannels(EditorState &state, ValidationWindow &window) {
  StoreWorkingChannel(state);
  const std::int32_t channelOnScreen = state.currentChannel;
  for (std::int32_t channel = 0; channel < static_cast<std::int32_t>(CHANNEL_COUNT); ++channel) {
    state.currentChannel = channel;
    LoadWorkingChannel(state);
    if (!ValidateWorkingChannel(state, window)) {
      // The message was shown over the channel that was on screen; only now does the failing
      // channel take its place, without a store of the one that was shown.
      window.SelectChannelInList(channel);
      LoadWorkingChannel(state);
      window.ShowWorkingChannel();
      return false;
    }
  }
  state.currentChannel = channelOnScreen;
  LoadWorkingChannel(state);
  return true;
}
