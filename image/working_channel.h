// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decoded copy of the channel on screen, and the editor state that owns it together with
// the one memory image of the run.

#include <cstdint>
#include <string>

#include "channel_image.h"

constexpr const char *SPACING_NARROW_TEXT = "12.5Khz";
constexpr const char *SPACING_WIDE_TEXT = "25Khz";
constexpr const char *DEFAULT_PORT_NAME = "COM1";

// Fields are wider than the record fields on purpose: the edit handlers may put values here that
// a record cannot hold, and StoreWorkingChannel decides what reaches the image.
struct WorkingChannel {
  std::int32_t rxFrequency = 0;  // 100 Hz units
  std::int32_t rxCode = 0;       // code byte, 0 to 255
  std::int32_t txFrequency = 0;  // 100 Hz units
  std::int32_t txCode = 0;       // code byte, 0 to 255
  std::int32_t tot = DEFAULT_TOT;          // tenths of a minute
  std::int32_t squelch = DEFAULT_SQUELCH;  // squelch byte
  std::uint8_t flags = 0;
  std::int32_t band = 0;  // copy of the band base, 100 Hz units

  bool operator==(const WorkingChannel &other) const;
};

// Everything the editor keeps for the whole run. One instance lives in the dialog; tests make
// their own fresh ones.
struct EditorState {
  ChannelImage image;
  WorkingChannel working;
  std::int32_t currentChannel = 0;  // 0 to 15; the user sees currentChannel + 1
  std::string spacingText = SPACING_WIDE_TEXT;
  std::string portName = DEFAULT_PORT_NAME;
};

// Decodes record currentChannel and the band base. Touches no image byte.
void LoadWorkingChannel(EditorState &state);

// Encodes the working channel into record currentChannel (nothing when out of 0..15). A
// frequency or time limit that its field cannot hold, below or above it, is stored as the
// field's largest value, never cut to its low bits nor made 0 ("not set"), so validation refuses
// it instead of seeing another valid setting.
void StoreWorkingChannel(EditorState &state);

// Transmit frequency, code byte and code bits to the receive side, and back.
void CopyTxToRx(WorkingChannel &channel);
void CopyRxToTx(WorkingChannel &channel);

// Channel 1, start-up field values, "25Khz", "COM1". Neither stores nor touches the image.
void ResetWorkingChannel(EditorState &state);
