// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real editor window with COM1 pointed at a private path where the simulated radio is
// started, so that Read and Write run over a pseudo-terminal with the window's own timers.

#include <memory>
#include <string>
#include <vector>

#include "editor_fixture.h"
#include "radio_memories.h"
#include "sim_process.h"

class RadioEditorTest : public EditorTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Where COM1 leads, and the simulator's files.
  std::string LinkPath() const { return files.File("radio"); }
  std::string FramesPath() const { return files.File("frames.bin"); }
  std::string SavedPath() const { return files.File("saved.bin"); }

  // Starts the simulated radio on LinkPath() with `memory`, logging every byte it receives to
  // FramesPath() and saving its memory to SavedPath() after each write; `options` adds more
  // (--no-pacing, --fault and the like). False when it did not come up.
  [[nodiscard]] bool StartRadio(const Bytes &memory, const std::vector<std::string> &options);
  void StopRadio();
  // Waits until the simulator's log holds `text`, with the event loop running meanwhile.
  bool WaitForRadioLog(const std::string &text, int limitMs) const;

  // Puts `memory` into the image and channel 1 on screen, the way a finished read leaves them.
  void ShowImage(const Bytes &memory);
  Bytes ImageBytes() const;
  Bytes Frames() const;  // every byte the radio has received so far
  std::vector<std::string> Messages() const;
  // Adds a failure unless channel `channel` (1 to 16) is current and selected in the list.
  void ExpectChannelOnScreen(int channel) const;

  // Runs the event loop until no transfer is in progress, at most `limitMs`.
  bool WaitUntilIdle(int limitMs = 6000);
  // Runs the event loop for `ms`: for checks that something does not happen.
  void KeepRunning(int ms);

  TempDir files;
  std::unique_ptr<SimProcess> radio;
};
