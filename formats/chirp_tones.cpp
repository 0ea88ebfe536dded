// SPDX-License-Identifier: GPL-3.0-or-later
#include "chirp_tones.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "chirp_columns.h"
#include "chirp_numbers.h"
#include "code_tables.h"

namespace {

constexpr const char *TONE_MODE_NONE = "";
constexpr const char *TONE_MODE_TONE = "Tone";
constexpr const char *TONE_MODE_TSQL = "TSQL";
constexpr const char *TONE_MODE_DTCS = "DTCS";
constexpr const char *TONE_MODE_CROSS = "Cross";
constexpr std::string_view CROSS_ARROW = "->";
constexpr int DCS_NORMAL_COUNT = static_cast<int>(DCS_CODE_COUNT);
constexpr std::uint32_t LARGEST_TONE_TENTHS = 9999;
constexpr std::uint32_t LARGEST_DCS_NUMBER = 999;

std::uint32_t ToneTenths(int position) {
  std::uint32_t tenths = 0;
  ReadScaledDecimal(CTCSS_TONES[static_cast<std::size_t>(position)], 1, LARGEST_TONE_TENTHS, tenths);
  return tenths;
}

// The three octal digits of a DCS list position, without the N or I.
std::string DcsNumberText(int position) {
  return std::string(DCS_CODE_LIST[static_cast<std::size_t>(position % DCS_NORMAL_COUNT)], 3);
}

// CHIRP reads a code as a decimal integer ("023" is 23), so the digits compare as one.
std::uint32_t DcsNumber(int position) {
  const std::string digits = DcsNumberText(position);
  return static_cast<std::uint32_t>((digits[0] - '0') * 100 + (digits[1] - '0') * 10 + (digits[2] - '0'));
}

char PolarityLetter(const DirectionCode &code) {
  return code.type == CodeType::DCS && code.position >= DCS_NORMAL_COUNT ? 'R' : 'N';
}

// CHIRP's name for one side of a cross mode.
const char *CrossSide(const DirectionCode &code) {
  switch (code.type) {
    case CodeType::CTCSS:
      return TONE_MODE_TONE;
    case CodeType::DCS:
      return TONE_MODE_DTCS;
    case CodeType::NONE:
      break;
  }
  return TONE_MODE_NONE;
}

bool ReadTone(const std::string &text, const char *column, DirectionCode &code, std::string &error) {
  std::uint32_t tenths = 0;
  if (ReadScaledDecimal(text, 1, LARGEST_TONE_TENTHS, tenths) != NumberReading::OK) {
    error = std::string(column) + " \"" + text + "\" is not a CTCSS tone in Hz with one decimal";
    return false;
  }
  for (int position = 0; position < static_cast<int>(CTCSS_TONE_COUNT); ++position) {
    if (ToneTenths(position) == tenths) {
      code = {CodeType::CTCSS, position};
      return true;
    }
  }
  error = "the radio has no CTCSS tone of " + FormatTenths(tenths) + " Hz (" + column + ")";
  return false;
}

bool ReadDcs(const std::string &text, const char *column, char polarity, DirectionCode &code, std::string &error) {
  std::uint32_t number = 0;
  if (ReadScaledDecimal(text, 0, LARGEST_DCS_NUMBER, number) != NumberReading::OK ||
      TrimBlanks(text).find('.') != std::string_view::npos) {
    error = std::string(column) + " \"" + text + "\" is not a DCS code number";
    return false;
  }
  if (polarity != 'N' && polarity != 'R') {
    error = "DtcsPolarity is not two letters N or R, transmit then receive";
    return false;
  }
  for (int position = 0; position < DCS_NORMAL_COUNT; ++position) {
    if (DcsNumber(position) == number) {
      code = {CodeType::DCS, position + (polarity == 'R' ? DCS_NORMAL_COUNT : 0)};
      return true;
    }
  }
  char shown[8];
  std::snprintf(shown, sizeof shown, "%03u", static_cast<unsigned>(number));
  error = std::string("the radio has no DCS code ") + shown + " (" + column + ")";
  return false;
}

// DtcsPolarity holds the transmit letter, then the receive letter.
char PolarityOf(const ChirpToneFields &fields, bool transmit) {
  const std::string_view letters = TrimBlanks(fields.polarity);
  return letters.size() == 2 ? letters[transmit ? 0 : 1] : '?';
}

// One side of a cross mode: "Tone", "DTCS" or nothing, read from that side's own fields.
bool ReadCrossSide(std::string_view side, bool transmit, const ChirpToneFields &fields, DirectionCode &code,
                   std::string &error) {
  if (side.empty()) {
    code = {};
    return true;
  }
  const char polarity = PolarityOf(fields, transmit);
  if (side == TONE_MODE_TONE) {
    return transmit ? ReadTone(fields.rTone, "rToneFreq", code, error)
                    : ReadTone(fields.cTone, "cToneFreq", code, error);
  }
  if (side == TONE_MODE_DTCS) {
    return transmit ? ReadDcs(fields.dtcsCode, "DtcsCode", polarity, code, error)
                    : ReadDcs(fields.rxDtcsCode, "RxDtcsCode", polarity, code, error);
  }
  error = "CrossMode \"" + fields.crossMode + "\" is not one of CHIRP's cross modes";
  return false;
}

}  // namespace

ChirpToneFields ToneFieldsOf(const DirectionCode &tx, const DirectionCode &rx) {
  ChirpToneFields fields{TONE_MODE_NONE,           CHIRP_DEFAULT_TONE,     CHIRP_DEFAULT_TONE,
                         CHIRP_DEFAULT_DTCS_CODE,  CHIRP_DEFAULT_POLARITY, CHIRP_DEFAULT_DTCS_CODE,
                         CHIRP_DEFAULT_CROSS_MODE};
  const bool sameDcsNumber = tx.type == CodeType::DCS && rx.type == CodeType::DCS &&
                             tx.position % DCS_NORMAL_COUNT == rx.position % DCS_NORMAL_COUNT;
  if (tx.type == CodeType::NONE && rx.type == CodeType::NONE) {
    return fields;
  }
  if (tx.type == CodeType::CTCSS && rx.type == CodeType::NONE) {
    fields.tone = TONE_MODE_TONE;
    fields.rTone = FormatTenths(ToneTenths(tx.position));
  } else if (tx.type == CodeType::CTCSS && tx == rx) {
    fields.tone = TONE_MODE_TSQL;
    fields.cTone = FormatTenths(ToneTenths(tx.position));
  } else if (sameDcsNumber) {
    fields.tone = TONE_MODE_DTCS;
    fields.dtcsCode = DcsNumberText(tx.position);
  } else {
    fields.tone = TONE_MODE_CROSS;
    fields.crossMode = std::string(CrossSide(tx)) + std::string(CROSS_ARROW) + CrossSide(rx);
    if (tx.type == CodeType::CTCSS) fields.rTone = FormatTenths(ToneTenths(tx.position));
    if (tx.type == CodeType::DCS) fields.dtcsCode = DcsNumberText(tx.position);
    if (rx.type == CodeType::CTCSS) fields.cTone = FormatTenths(ToneTenths(rx.position));
    if (rx.type == CodeType::DCS) fields.rxDtcsCode = DcsNumberText(rx.position);
  }
  fields.polarity = std::string{PolarityLetter(tx), PolarityLetter(rx)};
  return fields;
}

bool CodesOfToneFields(const ChirpToneFields &fields, DirectionCode &tx, DirectionCode &rx, std::string &error) {
  const std::string_view mode = TrimBlanks(fields.tone);
  if (mode == TONE_MODE_NONE) {
    tx = {};
    rx = {};
    return true;
  }
  if (mode == TONE_MODE_TONE) {
    rx = {};
    return ReadTone(fields.rTone, "rToneFreq", tx, error);
  }
  if (mode == TONE_MODE_TSQL) {
    if (!ReadTone(fields.cTone, "cToneFreq", rx, error)) return false;
    tx = rx;
    return true;
  }
  if (mode == TONE_MODE_DTCS) {
    return ReadDcs(fields.dtcsCode, "DtcsCode", PolarityOf(fields, true), tx, error) &&
           ReadDcs(fields.dtcsCode, "DtcsCode", PolarityOf(fields, false), rx, error);
  }
  if (mode == TONE_MODE_CROSS) {
    const std::string_view cross = TrimBlanks(fields.crossMode);
    const std::size_t arrow = cross.find(CROSS_ARROW);
    if (arrow == std::string_view::npos || cross.size() == CROSS_ARROW.size()) {
      error = "CrossMode \"" + fields.crossMode + "\" is not one of CHIRP's cross modes";
      return false;
    }
    return ReadCrossSide(cross.substr(0, arrow), true, fields, tx, error) &&
           ReadCrossSide(cross.substr(arrow + CROSS_ARROW.size()), false, fields, rx, error);
  }
  if (mode == "TSQL-R" || mode == "DTCS-R") {
    error = "the radio has no reverse tone squelch (Tone \"" + std::string(mode) + "\")";
    return false;
  }
  error = "Tone \"" + fields.tone + "\" is not one of CHIRP's tone modes";
  return false;
}
