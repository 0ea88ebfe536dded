// SPDX-License-Identifier: GPL-3.0-or-later
#include "chirp_row.h"

#include <string_view>

#include "channel_image.h"
#include "chirp_duplex.h"
#include "chirp_numbers.h"
#include "chirp_tones.h"

namespace {

constexpr std::uint32_t LARGEST_LOCATION = 99999;
constexpr std::uint32_t LARGEST_TOT = 255;  // what the record's byte holds; the rules want 1 to 100
constexpr std::uint32_t LARGEST_SQUELCH_LEVEL = SQUELCH_LEVEL_COUNT - 1;

class RowFields {
 public:
  RowFields(const std::vector<std::string> &fields, const ChirpHeader &header) : fields_(fields), header_(header) {}

  // The line's text in a column, or `absent` when the header lacks the column.
  std::string Text(ChirpColumn column, const char *absent) const {
    const auto &place = header_.place[static_cast<std::size_t>(column)];
    return place ? fields_[*place] : std::string(absent);
  }

  // Our own columns may be missing or left empty: then the line does not decide the value.
  std::optional<std::string> Given(ChirpColumn column) const {
    const auto &place = header_.place[static_cast<std::size_t>(column)];
    if (!place || TrimBlanks(fields_[*place]).empty()) {
      return std::nullopt;
    }
    return fields_[*place];
  }

 private:
  const std::vector<std::string> &fields_;
  const ChirpHeader &header_;
};

bool IsWholeNumber(std::string_view text) { return TrimBlanks(text).find('.') == std::string_view::npos; }

bool ReadLocation(const std::string &text, int &location, std::string &error) {
  std::uint32_t number = 0;
  if (ReadScaledDecimal(text, 0, LARGEST_LOCATION, number) != NumberReading::OK || !IsWholeNumber(text)) {
    error = "Location \"" + text + "\" is not a channel number";
    return false;
  }
  if (number < 1 || number > CHANNEL_COUNT) {
    error = "Location " + std::to_string(number) + " is not a channel of the radio (1 to 16)";
    return false;
  }
  location = static_cast<int>(number);
  return true;
}

bool ReadMode(const std::string &text, bool &narrow, std::string &error) {
  const std::string_view mode = TrimBlanks(text);
  if (mode == CHIRP_MODE_WIDE || mode == CHIRP_MODE_NARROW) {
    narrow = mode == CHIRP_MODE_NARROW;
    return true;
  }
  error = "Mode \"" + text + "\" is not one the radio has (FM for 25 kHz, NFM for 12.5 kHz)";
  return false;
}

bool ReadTimeLimit(const std::string &text, std::uint32_t &tot, std::string &error) {
  const NumberReading reading = ReadScaledDecimal(text, 1, LARGEST_TOT, tot);
  if (reading == NumberReading::TOO_LARGE) {
    error = std::string(ColumnName(ChirpColumn::TIME_LIMIT)) + " \"" + text + "\" is above " +
            FormatTenths(LARGEST_TOT) + ", the most the radio's memory holds";
  } else if (reading != NumberReading::OK) {
    error = std::string(ColumnName(ChirpColumn::TIME_LIMIT)) + " \"" + text + "\" is not minutes with one decimal";
  }
  return reading == NumberReading::OK;
}

bool ReadSquelchLevel(const std::string &text, int &level, std::string &error) {
  std::uint32_t number = 0;
  if (ReadScaledDecimal(text, 0, LARGEST_SQUELCH_LEVEL, number) != NumberReading::OK || !IsWholeNumber(text)) {
    error = std::string(ColumnName(ChirpColumn::SQUELCH_LEVEL)) + " \"" + text + "\" is not a level from 0 to 9";
    return false;
  }
  level = static_cast<int>(number);
  return true;
}

bool ReadFrequencyColumn(const std::string &text, const char *column, std::uint32_t &units, std::string &error) {
  if (!ReadMegahertz(text, units, error)) {
    error = std::string(column) + " " + error;
    return false;
  }
  return true;
}

bool ReadOwnColumns(const RowFields &row, ChirpRow &result, std::string &error) {
  if (const auto text = row.Given(ChirpColumn::TIME_LIMIT)) {
    std::uint32_t tot = 0;
    if (!ReadTimeLimit(*text, tot, error)) return false;
    result.fields.tot = tot;
  }
  if (const auto text = row.Given(ChirpColumn::SQUELCH_LEVEL)) {
    int level = 0;
    if (!ReadSquelchLevel(*text, level, error)) return false;
    result.fields.squelchLevel = level;
  }
  if (const auto text = row.Given(ChirpColumn::BAND_BASE)) {
    std::uint32_t band = 0;
    if (!ReadFrequencyColumn(*text, ColumnName(ChirpColumn::BAND_BASE), band, error)) return false;
    result.bandBase = band;
  }
  return true;
}

}  // namespace

ChirpHeader ReadChirpHeader(const std::vector<std::string> &fields) {
  ChirpHeader header;
  header.width = fields.size();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string_view name = TrimBlanks(fields[i]);
    for (std::size_t column = 0; column < CHIRP_COLUMN_COUNT; ++column) {
      if (name == CHIRP_COLUMN_NAMES[column] && !header.place[column]) {
        header.place[column] = i;
      }
    }
  }
  return header;
}

bool ReadChirpRow(const std::vector<std::string> &fields, const ChirpHeader &header, ChirpRow &row,
                  std::string &error) {
  // A field too many is most often a decimal comma ("438,0125"); read by place, the line would
  // give another frequency than the one meant.
  if (fields.size() != header.width) {
    error = "the line has " + std::to_string(fields.size()) + " fields, the header " + std::to_string(header.width);
    if (fields.size() > header.width) error += "; numbers take a decimal point, and a comma inside a text needs quotes";
    return false;
  }
  const RowFields line(fields, header);
  if (!ReadLocation(line.Text(ChirpColumn::LOCATION, ""), row.location, error) ||
      !ReadFrequencyColumn(line.Text(ChirpColumn::FREQUENCY, ""), "Frequency", row.fields.rxFrequency, error)) {
    return false;
  }
  const ChirpDuplexFields duplex{line.Text(ChirpColumn::DUPLEX, ""), line.Text(ChirpColumn::OFFSET, "0")};
  if (!TxFrequencyOf(row.fields.rxFrequency, duplex, row.fields.txFrequency, error)) {
    return false;
  }
  // As in CHIRP's reader, a file with only one of the two tone columns uses it for both.
  const std::string rTone = line.Text(ChirpColumn::R_TONE_FREQ, CHIRP_DEFAULT_TONE);
  const std::string cTone = line.Text(ChirpColumn::C_TONE_FREQ, CHIRP_DEFAULT_TONE);
  const ChirpToneFields tones{line.Text(ChirpColumn::TONE, ""),
                              header.Has(ChirpColumn::R_TONE_FREQ) ? rTone : cTone,
                              header.Has(ChirpColumn::C_TONE_FREQ) ? cTone : rTone,
                              line.Text(ChirpColumn::DTCS_CODE, CHIRP_DEFAULT_DTCS_CODE),
                              line.Text(ChirpColumn::DTCS_POLARITY, CHIRP_DEFAULT_POLARITY),
                              line.Text(ChirpColumn::RX_DTCS_CODE, CHIRP_DEFAULT_DTCS_CODE),
                              line.Text(ChirpColumn::CROSS_MODE, CHIRP_DEFAULT_CROSS_MODE)};
  return CodesOfToneFields(tones, row.fields.tx, row.fields.rx, error) &&
         ReadMode(line.Text(ChirpColumn::MODE, CHIRP_DEFAULT_MODE), row.fields.narrow, error) &&
         ReadOwnColumns(line, row, error);
}
