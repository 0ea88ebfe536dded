// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules every channel must satisfy before the image goes to the radio.

#include "validation_window.h"
#include "working_channel.h"

// Message of the first of the seven rules that the channel breaks, in rule order, or nullptr
// when it breaks none. `currentChannel` (0 to 15) names the channel in the band window texts.
const char *FirstBrokenRule(const WorkingChannel &channel, int currentChannel);

// Checks the working channel as just loaded for state.currentChannel; shows the message of the
// first broken rule. Changes nothing.
bool ValidateWorkingChannel(const EditorState &state, ValidationWindow &window);

// Stores the channel on screen, then validates channels 1 to 16 from their records. At the
// first failure its message is shown, that channel is selected, loaded and shown, and the
// result is false. When all pass, the channel that was on screen is current and loaded again.
bool ValidateAllChannels(EditorState &state, ValidationWindow &window);
