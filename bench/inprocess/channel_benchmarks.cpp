// SPDX-License-Identifier: GPL-3.0-or-later
// The window-free channel work: one load and store of a channel, and the validation pass that
// runs before every write.

#include <benchmark/benchmark.h>
#include <cstddef>
#include <cstdint>
#include <string>

#include "benchmark_checks.h"
#include "channel_image.h"
#include "channel_rules.h"
#include "working_channel.h"

namespace {

constexpr std::int32_t BAND_430_MHZ = 4300000;
constexpr std::int32_t WIDE_STEP = 250;  // 25 kHz

// A window that only counts what the pass asks of it: a valid image asks nothing.
class CountingValidationWindow : public ValidationWindow {
 public:
  void ShowMessage(const std::string &) override { ++requests; }
  void SelectChannelInList(int) override { ++requests; }
  void ShowWorkingChannel() override { ++requests; }
  int requests = 0;
};

// Sixteen channels that break no rule, in the 430 MHz band, each on its own 25 kHz step, with
// channel 1 on screen.
EditorState SixteenValidChannels() {
  EditorState state;
  ResetImage(state.image);
  WriteField24(state.image.Settings() + SettingsOffset::BAND_BASE,
               static_cast<std::uint32_t>(BAND_430_MHZ));
  for (std::int32_t channel = 0; channel < static_cast<std::int32_t>(CHANNEL_COUNT); ++channel) {
    state.currentChannel = channel;
    LoadWorkingChannel(state);
    state.working.txFrequency = BAND_430_MHZ + (channel + 1) * WIDE_STEP;
    state.working.rxFrequency = state.working.txFrequency + WIDE_STEP;
    StoreWorkingChannel(state);
  }
  state.currentChannel = 0;
  LoadWorkingChannel(state);
  return state;
}

void BM_ValidateAllChannels(benchmark::State &state) {
  EditorState editor = SixteenValidChannels();
  const ChannelImage before = editor.image;
  CountingValidationWindow window;
  bool passed = true;
  for (auto _ : state) {
    passed = ValidateAllChannels(editor, window) && passed;
  }
  Require(state, passed, "sixteen valid channels pass validation");
  Require(state, window.requests == 0, "a passing validation asks nothing of the window");
  Require(state, editor.image.bytes == before.bytes, "validation leaves the image as it was");
  SetTargetMicroseconds(state, 50);
}
BENCHMARK(BM_ValidateAllChannels);

// Leaving one channel for the next: store the one on screen, load the next; all sixteen in turn.
void BM_LoadAndStoreChannel(benchmark::State &state) {
  EditorState editor = SixteenValidChannels();
  const ChannelImage before = editor.image;
  for (auto _ : state) {
    StoreWorkingChannel(editor);
    editor.currentChannel = (editor.currentChannel + 1) % static_cast<std::int32_t>(CHANNEL_COUNT);
    LoadWorkingChannel(editor);
    benchmark::DoNotOptimize(editor.working);
    benchmark::ClobberMemory();
  }
  Require(state, editor.image.bytes == before.bytes, "storing unchanged channels changes no byte");
}
BENCHMARK(BM_LoadAndStoreChannel);

}  // namespace
