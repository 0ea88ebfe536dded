// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_fields.h"

#include <cstdio>

#include "code_selection.h"

namespace {

std::string ByteText(std::int32_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(value) & 0xFFu);
  return text;
}

bool CodeOfDirection(std::uint8_t flags, CodeDirection bits, std::int32_t codeByte, DirectionCode &code) {
  code.type = CodeTypeOf(flags, bits);
  code.position = 0;
  if (code.type == CodeType::NONE) {
    return true;
  }
  code.position = DecodeCodeByte(code.type, codeByte);
  return code.position != NO_CODE_ENTRY;
}

void ApplyCode(const DirectionCode &code, CodeDirection bits, std::uint8_t &flags, std::int32_t &codeByte) {
  DirectionCode before;
  const bool shown = CodeOfDirection(flags, bits, codeByte, before);
  flags = FlagsForChosenType(flags, bits, code.type);
  // A byte the radio stores in a form of its own (a normal DCS byte of 0x05, say) is kept as long
  // as it still shows the same code.
  if (code.type != CodeType::NONE && !(shown && before == code)) {
    codeByte = CodeByteForPick(flags, bits, code.position);
  }
}

}  // namespace

int ShownSquelchLevel(std::int32_t squelchByte) {
  const int level = SquelchLevelOfByte(squelchByte);
  return level < 0 ? DEFAULT_SQUELCH_LEVEL : level;
}

std::vector<std::string> FieldsOfChannel(const WorkingChannel &channel, ChannelFields &fields) {
  fields.rxFrequency = static_cast<std::uint32_t>(channel.rxFrequency);
  fields.txFrequency = static_cast<std::uint32_t>(channel.txFrequency);
  fields.narrow = (channel.flags & FLAG_NARROW) != 0;
  fields.tot = static_cast<std::uint32_t>(channel.tot);
  fields.squelchLevel = ShownSquelchLevel(channel.squelch);
  std::vector<std::string> problems;
  if (!CodeOfDirection(channel.flags, TX_CODE_BITS, channel.txCode, fields.tx)) {
    fields.tx = {};
    problems.push_back("the transmit code byte " + ByteText(channel.txCode) +
                       " is no code of the radio's lists; its transmit tone is left empty");
  }
  if (!CodeOfDirection(channel.flags, RX_CODE_BITS, channel.rxCode, fields.rx)) {
    fields.rx = {};
    problems.push_back("the receive code byte " + ByteText(channel.rxCode) +
                       " is no code of the radio's lists; its receive tone is left empty");
  }
  return problems;
}

bool ShowsEmpty(const ChannelFields &fields) {
  return fields.rxFrequency == 0 && fields.txFrequency == 0 && fields.tx.type == CodeType::NONE &&
         fields.rx.type == CodeType::NONE && !fields.narrow && fields.tot == std::uint32_t{DEFAULT_TOT} &&
         fields.squelchLevel == DEFAULT_SQUELCH_LEVEL;
}

bool ShowsInUse(const WorkingChannel &channel) {
  ChannelFields fields;
  return !FieldsOfChannel(channel, fields).empty() || !ShowsEmpty(fields);
}

void ApplyFields(const ChannelFields &fields, WorkingChannel &channel) {
  channel.rxFrequency = static_cast<std::int32_t>(fields.rxFrequency);
  channel.txFrequency = static_cast<std::int32_t>(fields.txFrequency);
  channel.flags = static_cast<std::uint8_t>(fields.narrow ? (channel.flags | FLAG_NARROW)
                                                          : (channel.flags & ~FLAG_NARROW));
  ApplyCode(fields.tx, TX_CODE_BITS, channel.flags, channel.txCode);
  ApplyCode(fields.rx, RX_CODE_BITS, channel.flags, channel.rxCode);
  if (fields.tot) {
    channel.tot = static_cast<std::int32_t>(*fields.tot);
  }
  if (fields.squelchLevel && ShownSquelchLevel(channel.squelch) != *fields.squelchLevel) {
    channel.squelch = SquelchByteOfLevel(*fields.squelchLevel);
  }
}
