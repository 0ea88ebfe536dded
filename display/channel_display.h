// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the channel controls show for a WorkingChannel, worked out apart from the widgets.

#include <cstdint>

#include "code_selection.h"
#include "working_channel.h"

constexpr double MHZ_PER_UNIT = 0.0001;     // a 100 Hz unit in MHz
constexpr double MINUTES_PER_UNIT = 0.1;    // a tenth of a minute in minutes

// An integer field in MHz or minutes, by multiplication (not division), so that every value of
// a 24-bit field shows as its exact decimal value with 15 significant digits.
double ShownMegahertz(std::int32_t units);
double ShownMinutes(std::int32_t tenths);

// The squelch level to show for the working channel. A byte that is no squelch level is
// repaired to level 3: to 200 in the working channel and in the squelch byte of record
// currentChannel, and in no other byte of the image.
int SquelchLevelForDisplay(EditorState &state);

// One direction's code as the controls show it.
struct CodeDisplay {
  CodeType type;
  int typeListPosition;      // position in the sorted code type list
  CodeTableEntries entries;  // what the code table list holds
  int selected;              // entry to select and show, NO_CODE_ENTRY for none
};

// A code byte without an entry under its type keeps the type and the filled table, but no
// entry is selected and the code edit stays empty.
CodeDisplay CodeDisplayOf(std::uint8_t flags, CodeDirection direction, int codeByte);
