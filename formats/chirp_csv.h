// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 16 channels of a memory image as CHIRP's generic CSV file, and back.

#include <string>
#include <string_view>
#include <vector>

#include "channel_image.h"

struct ChirpCsvExport {
  bool ok = false;                  // every channel went into the text as the editor shows it
  std::string text;                 // header and one line per channel in use, CR LF line ends
  std::vector<std::string> errors;  // each names its channel
};

// A channel that still holds what a reset gives it (no frequencies, 5 minutes, level 3, 25 kHz,
// no codes) is left out, as CHIRP leaves out empty memories; when all are, channel 1 is written
// all the same so that the file keeps the band base. A coded direction whose code byte is no
// entry of the code lists is written without a code and named in `errors`; the text holds every
// channel all the same.
ChirpCsvExport ExportChirpCsv(const ChannelImage &image);

struct ChirpCsvImport {
  bool ok = false;
  ChannelImage image;
  std::vector<std::string> errors;  // each names its line; empty when ok
  std::vector<int> emptiedChannels;  // 1 to 16: in use in `base`, without a line in the file
};

// Reads CHIRP's CSV (any column order, '#' lines, blank lines, UTF-8 with or without a
// byte-order mark). The file decides every channel: a channel it has no line for is empty, as
// CHIRP writes no line for an empty memory; one that `base` has in use is reset to the empty
// channel of the start-up image and listed in `emptiedChannels`. From `base`, or from the
// start-up image when `base` is null, comes only what a CSV cannot carry: the time limit and
// squelch of a line without those columns, the flag bits 0x07 and the code byte and CTCSS bit of
// a direction without a code of the channels the file lists, and bytes 179 to 186. The band base
// comes from the file's BandBase column, else from `base`, else it is the lowest band that holds
// every set frequency. Nothing is validated against the channel rules: the caller runs those.
ChirpCsvImport ImportChirpCsv(std::string_view text, const ChannelImage *base);
