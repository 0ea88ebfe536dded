// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A channel as a CSV line carries it: the values the editor shows, free of the record's bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "code_byte.h"
#include "working_channel.h"

// One direction's code: NONE, or a position in CTCSS_TONES or DCS_CODE_LIST.
struct DirectionCode {
  CodeType type = CodeType::NONE;
  int position = 0;

  bool operator==(const DirectionCode &other) const {
    return type == other.type && (type == CodeType::NONE || position == other.position);
  }
};

struct ChannelFields {
  std::uint32_t rxFrequency = 0;  // 100 Hz units
  std::uint32_t txFrequency = 0;
  DirectionCode tx;
  DirectionCode rx;
  bool narrow = false;
  std::optional<std::uint32_t> tot;          // tenths of a minute; none: the line does not say
  std::optional<int> squelchLevel;           // 0 to 9
};

// The squelch level the editor shows for a squelch byte: a byte of no level shows level 3.
int ShownSquelchLevel(std::int32_t squelchByte);

// The fields of a loaded channel. A coded direction whose code byte no list entry encodes to is
// given as no code: the editor shows no code for it, and no CSV value could bring that byte
// back. Each such direction is named in the returned list; empty when the fields are complete.
std::vector<std::string> FieldsOfChannel(const WorkingChannel &channel, ChannelFields &fields);

// What a reset leaves in a channel as the editor shows it: no frequencies, no codes, 25 kHz, 5
// minutes, level 3. CHIRP leaves such a memory out of its file.
bool ShowsEmpty(const ChannelFields &fields);

// Whether a loaded channel is in use, as CHIRP would list it: it shows anything but the empty
// channel, or it has a code byte no list entry encodes to.
bool ShowsInUse(const WorkingChannel &channel);

// Puts the fields into a loaded channel. Whatever the fields do not decide stays as loaded: the
// flag bits 0x07, the code byte and CTCSS bit of a direction without a code, a code byte or a
// squelch byte that already shows the same entry, and the time limit and squelch when the line
// gives none.
void ApplyFields(const ChannelFields &fields, WorkingChannel &channel);
