// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The columns of CHIRP's generic CSV file in the order CHIRP writes them, then the three of our
// own for what CHIRP's memories lack. CHIRP's reader ignores columns it does not know.

#include <array>
#include <cstddef>

enum class ChirpColumn : std::size_t {
  LOCATION,
  NAME,
  FREQUENCY,
  DUPLEX,
  OFFSET,
  TONE,
  R_TONE_FREQ,
  C_TONE_FREQ,
  DTCS_CODE,
  DTCS_POLARITY,
  RX_DTCS_CODE,
  CROSS_MODE,
  MODE,
  T_STEP,
  SKIP,
  POWER,
  COMMENT,
  URCALL,
  RPT1CALL,
  RPT2CALL,
  DVCODE,
  TIME_LIMIT,
  SQUELCH_LEVEL,
  BAND_BASE,
  COUNT
};

constexpr std::size_t CHIRP_COLUMN_COUNT = static_cast<std::size_t>(ChirpColumn::COUNT);

constexpr std::array<const char *, CHIRP_COLUMN_COUNT> CHIRP_COLUMN_NAMES = {
    "Location",  "Name",         "Frequency", "Duplex",   "Offset",   "Tone",
    "rToneFreq", "cToneFreq",    "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode",
    "Mode",      "TStep",        "Skip",      "Power",    "Comment",  "URCALL",
    "RPT1CALL",  "RPT2CALL",     "DVCODE",
    "TimeLimitMinutes",  // transmit time limit, minutes with one decimal
    "SquelchLevel",      // 0 to 9
    "BandBase"};         // the radio's band base in MHz, the same on every line

constexpr const char *ColumnName(ChirpColumn column) {
  return CHIRP_COLUMN_NAMES[static_cast<std::size_t>(column)];
}

// What CHIRP's own memory holds in a field that the channel does not use, written so that a
// file from here reads in CHIRP exactly like one CHIRP wrote, and read where a file lacks a
// column.
constexpr const char *CHIRP_DEFAULT_TONE = "88.5";
constexpr const char *CHIRP_DEFAULT_DTCS_CODE = "023";
constexpr const char *CHIRP_DEFAULT_POLARITY = "NN";
constexpr const char *CHIRP_DEFAULT_CROSS_MODE = "Tone->Tone";
constexpr const char *CHIRP_DEFAULT_MODE = "FM";

// A radio without power levels gives CHIRP a memory whose power is None; CHIRP's CSV driver
// stores such a memory with its default level, 50 W, which it writes as "50W" (an empty Power
// field is refused by CHIRP's reader). Skip is empty unless a memory is skipped in scans.
constexpr const char *CHIRP_POWER_WITHOUT_LEVELS = "50W";
constexpr const char *CHIRP_NO_SKIP = "";

constexpr const char *CHIRP_MODE_WIDE = "FM";
constexpr const char *CHIRP_MODE_NARROW = "NFM";
constexpr const char *CHIRP_STEP_WIDE = "25.00";
constexpr const char *CHIRP_STEP_NARROW = "12.50";
