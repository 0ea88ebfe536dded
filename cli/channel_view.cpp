// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_view.h"

#include <cstdio>

#include "channel_display.h"
#include "dialog_number.h"
#include "working_channel.h"

namespace {

constexpr std::uint8_t ALL = 0xFF;
constexpr std::uint8_t RX_CODE_FLAGS = FLAG_RX_CODED | FLAG_RX_CTCSS;
constexpr std::uint8_t TX_CODE_FLAGS = FLAG_TX_CODED | FLAG_TX_CTCSS;

WorkingChannel LoadedChannel(const ChannelImage &image, std::size_t channel) {
  EditorState state;
  state.image = image;
  state.currentChannel = static_cast<std::int32_t>(channel);
  LoadWorkingChannel(state);
  return state.working;
}

std::string CodeText(const WorkingChannel &loaded, CodeDirection direction) {
  const int codeByte = direction.codedBit == FLAG_TX_CODED ? loaded.txCode : loaded.rxCode;
  const CodeDisplay display = CodeDisplayOf(loaded.flags, direction, codeByte);
  if (display.type == CodeType::NONE) return "-";
  if (display.selected != NO_CODE_ENTRY) {
    return display.entries.texts[static_cast<std::size_t>(display.selected)];
  }
  char text[32];
  std::snprintf(text, sizeof text, "%s byte 0x%02X", CodeTypeName(display.type),
                static_cast<unsigned>(codeByte) & 0xFFu);
  return text;
}

}  // namespace

// Record bytes: rx frequency 0-2, rx code 3, time limit 4, tx frequency 5-7, tx code 8,
// flags 9, squelch 10.
const std::array<ChannelFieldInfo, CHANNEL_FIELD_COUNT> CHANNEL_FIELDS = {{
    {ChannelField::RX_FREQUENCY, "RX MHz", "rxMhz", {ALL, ALL, ALL, 0, 0, 0, 0, 0, 0, 0, 0}},
    {ChannelField::RX_CODE, "RX code", "rxCode", {0, 0, 0, ALL, 0, 0, 0, 0, 0, RX_CODE_FLAGS, 0}},
    {ChannelField::TX_FREQUENCY, "TX MHz", "txMhz", {0, 0, 0, 0, 0, ALL, ALL, ALL, 0, 0, 0}},
    {ChannelField::TX_CODE, "TX code", "txCode", {0, 0, 0, 0, 0, 0, 0, 0, ALL, TX_CODE_FLAGS, 0}},
    {ChannelField::TOT, "TOT min", "totMinutes", {0, 0, 0, 0, ALL, 0, 0, 0, 0, 0, 0}},
    {ChannelField::SQUELCH, "Squelch", "squelchLevel", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, ALL}},
    {ChannelField::SPACING, "Spacing", "spacing", {0, 0, 0, 0, 0, 0, 0, 0, 0, FLAG_NARROW, 0}},
}};

std::string ShownFieldText(const ChannelImage &image, std::size_t channel, ChannelField field) {
  const WorkingChannel loaded = LoadedChannel(image, channel);
  switch (field) {
    case ChannelField::RX_FREQUENCY:
      return FormatDialogNumber(ShownMegahertz(loaded.rxFrequency));
    case ChannelField::RX_CODE:
      return CodeText(loaded, RX_CODE_BITS);
    case ChannelField::TX_FREQUENCY:
      return FormatDialogNumber(ShownMegahertz(loaded.txFrequency));
    case ChannelField::TX_CODE:
      return CodeText(loaded, TX_CODE_BITS);
    case ChannelField::TOT:
      return FormatDialogNumber(ShownMinutes(loaded.tot));
    case ChannelField::SQUELCH: {
      // The window repairs a byte of no level to level 3 when it shows the channel.
      const int level = SquelchLevelOfByte(loaded.squelch);
      return std::to_string(level < 0 ? DEFAULT_SQUELCH_LEVEL : level);
    }
    case ChannelField::SPACING:
      return (loaded.flags & FLAG_NARROW) != 0 ? SPACING_NARROW_TEXT : SPACING_WIDE_TEXT;
  }
  return {};
}

std::string ShownBandBase(const ChannelImage &image) {
  return FormatDialogNumber(ShownMegahertz(static_cast<std::int32_t>(BandBase(image))));
}

std::string ShownCode(const ChannelImage &image, std::size_t channel, CodeDirection direction,
                      CodeType &type) {
  const WorkingChannel loaded = LoadedChannel(image, channel);
  const int codeByte = direction.codedBit == FLAG_TX_CODED ? loaded.txCode : loaded.rxCode;
  const CodeDisplay display = CodeDisplayOf(loaded.flags, direction, codeByte);
  type = display.type;
  if (display.selected == NO_CODE_ENTRY) return {};
  return display.entries.texts[static_cast<std::size_t>(display.selected)];
}

const char *CodeTypeName(CodeType type) {
  switch (type) {
    case CodeType::CTCSS:
      return "CTCSS";
    case CodeType::DCS:
      return "DCS";
    case CodeType::NONE:
      break;
  }
  return "none";
}
