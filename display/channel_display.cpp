// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_display.h"

double ShownMegahertz(std::int32_t units) { return static_cast<double>(units) * MHZ_PER_UNIT; }

double ShownMinutes(std::int32_t tenths) { return static_cast<double>(tenths) * MINUTES_PER_UNIT; }

int SquelchLevelForDisplay(EditorState &state) {
  const int level = SquelchLevelOfByte(state.working.squelch);
  if (level >= 0) {
    return level;
  }
  state.working.squelch = DEFAULT_SQUELCH;
  if (state.currentChannel >= 0 && state.currentChannel < static_cast<std::int32_t>(CHANNEL_COUNT)) {
    state.image.Record(static_cast<std::size_t>(state.currentChannel))[RecordOffset::SQUELCH] =
        DEFAULT_SQUELCH;
  }
  return DEFAULT_SQUELCH_LEVEL;
}

CodeDisplay CodeDisplayOf(std::uint8_t flags, CodeDirection direction, int codeByte) {
  const CodeType type = CodeTypeOf(flags, direction);
  CodeDisplay display{type, CodeTypeListPosition(type), CodeTableFor(type), NO_CODE_ENTRY};
  if (type != CodeType::NONE) {
    const int position = DecodeCodeByte(type, codeByte);
    if (position >= 0 && static_cast<std::size_t>(position) < display.entries.count) {
      display.selected = position;
    }
  }
  return display;
}
