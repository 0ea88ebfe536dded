// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_check.h"

#include "channel_rules.h"
#include "rule_meanings.h"
#include "working_channel.h"

std::vector<ChannelFailure> FailingChannels(const ChannelImage &image) {
  std::vector<ChannelFailure> failures;
  EditorState state;
  state.image = image;
  for (std::int32_t channel = 0; channel < static_cast<std::int32_t>(CHANNEL_COUNT); ++channel) {
    state.currentChannel = channel;
    LoadWorkingChannel(state);
    if (const char *message = FirstBrokenRule(state.working, channel)) {
      failures.push_back({channel + 1, message});
    }
  }
  return failures;
}

std::string FailureLine(const ChannelFailure &failure) {
  const std::string english = RuleInEnglish(failure.message);
  return "channel " + std::to_string(failure.channel) + ": " + failure.message +
         (english.empty() ? "" : " (" + english + ")");
}
