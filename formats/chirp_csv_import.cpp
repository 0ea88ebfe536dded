// SPDX-License-Identifier: GPL-3.0-or-later
#include "chirp_csv.h"

#include <algorithm>
#include <array>
#include <optional>

#include "band_choice.h"
#include "channel_fields.h"
#include "chirp_numbers.h"
#include "chirp_row.h"
#include "csv_records.h"
#include "printable_text.h"
#include "working_channel.h"

namespace {

// Enough to show what is wrong with a file without burying the first messages.
constexpr std::size_t MAX_ERRORS = 20;

class ErrorList {
 public:
  void Add(int line, const std::string &error) { Add("line " + std::to_string(line) + ": " + error); }
  // Messages quote the file's fields, which must not reach a terminal as control characters.
  void Add(const std::string &error) {
    if (errors_.size() < MAX_ERRORS) {
      errors_.push_back(EscapeUnprintable(error));
    } else {
      ++dropped_;
    }
  }
  bool Empty() const { return errors_.empty(); }
  std::vector<std::string> Messages() const {
    std::vector<std::string> messages = errors_;
    if (dropped_ > 0) {
      messages.push_back("and " + std::to_string(dropped_) + " more errors");
    }
    return messages;
  }

 private:
  std::vector<std::string> errors_;
  std::size_t dropped_ = 0;
};

struct PlacedRow {
  ChirpRow row;
  int line = 0;
};

// CHIRP skips a line whose first field starts with '#'; a line of empty fields, which
// spreadsheets leave at the end, says nothing either.
bool SaysNothing(const CsvRecord &record) {
  if (!record.fields.empty() && !record.fields.front().empty() && record.fields.front().front() == '#') {
    return true;
  }
  for (const std::string &field : record.fields) {
    if (!TrimBlanks(field).empty()) return false;
  }
  return true;
}

std::string FrequencyList(const std::vector<PlacedFrequency> &frequencies) {
  std::string list;
  for (const PlacedFrequency &placed : frequencies) {
    list += (list.empty() ? "" : ", ") + FormatMegahertz(placed.frequency) + " MHz (line " +
            std::to_string(placed.line) + ")";
  }
  return list;
}

// The band base the file's lines give, else the base image's, else the lowest band that holds
// every set frequency.
std::optional<std::uint32_t> BandOfRows(const std::array<std::optional<PlacedRow>, CHANNEL_COUNT> &rows,
                                        const ChannelImage *base, ErrorList &errors) {
  std::optional<PlacedRow> given;
  std::vector<PlacedFrequency> frequencies;
  for (const auto &placed : rows) {
    if (!placed) continue;
    if (placed->row.bandBase) {
      if (given && *given->row.bandBase != *placed->row.bandBase) {
        errors.Add(placed->line, "BandBase " + FormatMegahertz(*placed->row.bandBase) + " MHz differs from " +
                                     FormatMegahertz(*given->row.bandBase) + " MHz on line " +
                                     std::to_string(given->line) + "; the radio has one band");
        return std::nullopt;
      }
      given = placed;
    }
    const ChannelFields &fields = placed->row.fields;
    if (fields.rxFrequency != 0) frequencies.push_back({fields.rxFrequency, placed->line});
    if (fields.txFrequency != 0 && fields.txFrequency != fields.rxFrequency) {
      frequencies.push_back({fields.txFrequency, placed->line});
    }
  }
  if (given) {
    return given->row.bandBase;
  }
  if (base != nullptr) {
    return BandBase(*base);
  }
  const BandChoice choice = ChooseBand(frequencies);
  if (!choice.found) {
    errors.Add("no band from 350 to 450 MHz holds every frequency of the file; outside the band of " +
               FormatMegahertz(choice.closestBand) + " MHz, which holds the most: " + FrequencyList(choice.misfits));
    return std::nullopt;
  }
  return choice.band;
}

using ChannelRows = std::array<std::optional<PlacedRow>, CHANNEL_COUNT>;

// The lines of the file by channel, and the band base. False when anything in it is refused.
bool ReadFile(std::string_view text, const ChannelImage *base, ChannelRows &rows, std::uint32_t &band,
              ErrorList &errors) {
  const CsvRecords csv = ReadCsvRecords(text);
  if (!csv.ok) {
    errors.Add(csv.error);
    return false;
  }
  std::optional<ChirpHeader> header;
  for (const CsvRecord &record : csv.records) {
    if (SaysNothing(record)) continue;
    if (!header) {
      header = ReadChirpHeader(record.fields);
      if (!header->Has(ChirpColumn::LOCATION) || !header->Has(ChirpColumn::FREQUENCY)) {
        errors.Add(record.line, "the header names no Location or no Frequency column; is this CHIRP's CSV?");
        return false;
      }
      continue;
    }
    PlacedRow placed{{}, record.line};
    std::string error;
    if (!ReadChirpRow(record.fields, *header, placed.row, error)) {
      errors.Add(record.line, error);
      continue;
    }
    auto &slot = rows[static_cast<std::size_t>(placed.row.location - 1)];
    if (slot) {
      errors.Add(record.line, "channel " + std::to_string(placed.row.location) + " was already given on line " +
                                  std::to_string(slot->line));
      continue;
    }
    slot = placed;
  }
  if (!header) {
    errors.Add("the file has no header line; CHIRP's starts with Location,Name,Frequency");
    return false;
  }
  if (!errors.Empty()) {
    return false;
  }
  const std::optional<std::uint32_t> chosen = BandOfRows(rows, base, errors);
  band = chosen.value_or(0);
  return chosen.has_value();
}

}  // namespace

ChirpCsvImport ImportChirpCsv(std::string_view text, const ChannelImage *base) {
  ChirpCsvImport result;
  if (base != nullptr) {
    result.image = *base;
  } else {
    ResetImage(result.image);
  }
  ChannelRows rows;
  std::uint32_t band = 0;
  ErrorList errors;
  if (!ReadFile(text, base, rows, band, errors)) {
    result.errors = errors.Messages();
    return result;
  }

  ChannelImage empty;
  ResetImage(empty);
  EditorState state;
  state.image = result.image;
  for (std::size_t channel = 0; channel < CHANNEL_COUNT; ++channel) {
    state.currentChannel = static_cast<std::int32_t>(channel);
    LoadWorkingChannel(state);
    if (!rows[channel]) {
      // CHIRP writes a line for every memory in use, so a channel without one was deleted or
      // never set. One the base already shows empty keeps its bytes: they differ from a reset
      // channel only where no CSV value reaches.
      if (ShowsInUse(state.working)) {
        std::copy_n(empty.Record(channel), RECORD_SIZE, state.image.Record(channel));
        result.emptiedChannels.push_back(static_cast<int>(channel + 1));
      }
      continue;
    }
    ApplyFields(rows[channel]->row.fields, state.working);
    StoreWorkingChannel(state);
  }
  WriteField24(state.image.Settings() + SettingsOffset::BAND_BASE, band);
  result.image = state.image;
  result.ok = true;
  return result;
}
