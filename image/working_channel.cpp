// SPDX-License-Identifier: GPL-3.0-or-later
#include "working_channel.h"

namespace {

std::uint8_t TotForField(std::int32_t tot) {
  return static_cast<std::uint8_t>(SaturatedToField(tot, 0xFF));
}

std::uint8_t LowByte(std::int32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

}  // namespace

bool WorkingChannel::operator==(const WorkingChannel &other) const {
  return rxFrequency == other.rxFrequency && rxCode == other.rxCode &&
         txFrequency == other.txFrequency && txCode == other.txCode && tot == other.tot &&
         squelch == other.squelch && flags == other.flags && band == other.band;
}

void LoadWorkingChannel(EditorState &state) {
  const std::uint8_t *record = state.image.Record(static_cast<std::size_t>(state.currentChannel));
  WorkingChannel &channel = state.working;
  channel.rxFrequency = static_cast<std::int32_t>(ReadField24(record + RecordOffset::RX_FREQUENCY));
  channel.rxCode = record[RecordOffset::RX_CODE];
  channel.tot = record[RecordOffset::TOT];
  channel.txFrequency = static_cast<std::int32_t>(ReadField24(record + RecordOffset::TX_FREQUENCY));
  channel.txCode = record[RecordOffset::TX_CODE];
  channel.flags = record[RecordOffset::FLAGS];
  channel.squelch = record[RecordOffset::SQUELCH];
  channel.band = static_cast<std::int32_t>(BandBase(state.image));
}

void StoreWorkingChannel(EditorState &state) {
  if (state.currentChannel < 0 || state.currentChannel >= static_cast<std::int32_t>(CHANNEL_COUNT)) {
    return;
  }
  std::uint8_t *record = state.image.Record(static_cast<std::size_t>(state.currentChannel));
  const WorkingChannel &channel = state.working;
  record[RecordOffset::SQUELCH] = LowByte(channel.squelch);
  record[RecordOffset::FLAGS] = channel.flags;
  record[RecordOffset::TX_CODE] = LowByte(channel.txCode);
  WriteField24(record + RecordOffset::TX_FREQUENCY, SaturatedToField(channel.txFrequency, FIELD24_MAX));
  record[RecordOffset::TOT] = TotForField(channel.tot);
  record[RecordOffset::RX_CODE] = LowByte(channel.rxCode);
  WriteField24(record + RecordOffset::RX_FREQUENCY, SaturatedToField(channel.rxFrequency, FIELD24_MAX));
}

void CopyTxToRx(WorkingChannel &channel) {
  channel.rxFrequency = channel.txFrequency;
  channel.rxCode = channel.txCode;
  // Each receive bit sits one place left of its transmit partner.
  channel.flags = static_cast<std::uint8_t>((channel.flags & 0xAF) | ((channel.flags & 0x28) << 1));
}

void CopyRxToTx(WorkingChannel &channel) {
  channel.txFrequency = channel.rxFrequency;
  channel.txCode = channel.rxCode;
  channel.flags = static_cast<std::uint8_t>(((channel.flags >> 1) & 0x28) | (channel.flags & 0xD7));
}

void ResetWorkingChannel(EditorState &state) {
  state.currentChannel = 0;
  state.working = WorkingChannel{};
  state.spacingText = SPACING_WIDE_TEXT;
  state.portName = DEFAULT_PORT_NAME;
}
