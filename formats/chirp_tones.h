// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two directions' codes against CHIRP's tone columns. CHIRP describes a memory's signalling
// with one mode (Tone, TSQL, DTCS or Cross with a cross mode) and a set of tone and code fields,
// of which the mode picks the ones in use.

#include <string>

#include "channel_fields.h"

struct ChirpToneFields {
  std::string tone;       // Tone: "", "Tone", "TSQL", "DTCS" or "Cross"
  std::string rTone;      // rToneFreq: transmit tone
  std::string cTone;      // cToneFreq: receive tone, or both ways under TSQL
  std::string dtcsCode;   // DtcsCode: transmit code, or both ways under DTCS
  std::string polarity;   // DtcsPolarity: transmit letter, then receive letter
  std::string rxDtcsCode; // RxDtcsCode: receive code under Cross
  std::string crossMode;  // CrossMode: "<tx>-><rx>"
};

// Fields the mode does not use keep CHIRP's defaults.
ChirpToneFields ToneFieldsOf(const DirectionCode &tx, const DirectionCode &rx);

// The codes a line's tone columns give. False, with `error` for the user, when the mode is
// unknown or the radio lacks the tone, code or behaviour asked for. Fields the mode does not
// use are not read.
bool CodesOfToneFields(const ChirpToneFields &fields, DirectionCode &tx, DirectionCode &rx, std::string &error);
