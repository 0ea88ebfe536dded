// SPDX-License-Identifier: GPL-3.0-or-later
#include "chirp_csv.h"

#include "channel_fields.h"
#include "chirp_columns.h"
#include "chirp_duplex.h"
#include "chirp_numbers.h"
#include "chirp_tones.h"
#include "working_channel.h"

namespace {

constexpr const char *LINE_END = "\r\n";  // what CHIRP's csv writer ends its lines with

void AppendLine(std::string &text, const std::array<std::string, CHIRP_COLUMN_COUNT> &fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    text += (i == 0 ? "" : ",") + fields[i];
  }
  text += LINE_END;
}

// None of the values written here holds a comma, a quote or a line end, so none needs quotes.
std::array<std::string, CHIRP_COLUMN_COUNT> LineOf(int location, const ChannelFields &fields, std::uint32_t band) {
  const ChirpDuplexFields duplex = DuplexFieldsOf(fields.rxFrequency, fields.txFrequency);
  const ChirpToneFields tones = ToneFieldsOf(fields.tx, fields.rx);
  return {std::to_string(location),
          "",
          FormatMegahertz(fields.rxFrequency),
          duplex.duplex,
          duplex.offset,
          tones.tone,
          tones.rTone,
          tones.cTone,
          tones.dtcsCode,
          tones.polarity,
          tones.rxDtcsCode,
          tones.crossMode,
          fields.narrow ? CHIRP_MODE_NARROW : CHIRP_MODE_WIDE,
          fields.narrow ? CHIRP_STEP_NARROW : CHIRP_STEP_WIDE,
          CHIRP_NO_SKIP,
          CHIRP_POWER_WITHOUT_LEVELS,
          "",
          "",
          "",
          "",
          "",
          FormatTenths(fields.tot.value_or(DEFAULT_TOT)),
          std::to_string(fields.squelchLevel.value_or(DEFAULT_SQUELCH_LEVEL)),
          FormatMegahertz(band)};
}

}  // namespace

ChirpCsvExport ExportChirpCsv(const ChannelImage &image) {
  ChirpCsvExport result;
  std::array<std::string, CHIRP_COLUMN_COUNT> header;
  for (std::size_t i = 0; i < CHIRP_COLUMN_COUNT; ++i) {
    header[i] = CHIRP_COLUMN_NAMES[i];
  }
  AppendLine(result.text, header);

  EditorState state;
  state.image = image;
  ChannelFields firstChannel;
  bool anyLine = false;
  for (std::size_t channel = 0; channel < CHANNEL_COUNT; ++channel) {
    state.currentChannel = static_cast<std::int32_t>(channel);
    LoadWorkingChannel(state);
    ChannelFields fields;
    const std::vector<std::string> problems = FieldsOfChannel(state.working, fields);
    for (const std::string &problem : problems) {
      result.errors.push_back("channel " + std::to_string(channel + 1) + ": " + problem);
    }
    if (channel == 0) {
      firstChannel = fields;
    }
    // A channel with a code the lists lack is in use, whatever else it shows.
    if (!problems.empty() || !ShowsEmpty(fields)) {
      AppendLine(result.text, LineOf(static_cast<int>(channel + 1), fields, BandBase(image)));
      anyLine = true;
    }
  }
  // The band base travels in the channel lines; with no channel in use, channel 1 carries it.
  if (!anyLine) {
    AppendLine(result.text, LineOf(1, firstChannel, BandBase(image)));
  }
  result.ok = result.errors.empty();
  return result;
}
