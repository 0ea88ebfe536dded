// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 16 channels of a memory image as CHIRP's generic CSV file, and back.

#include <string>
#include <string_view>
#include <vector>

#include "channel_image.h"

struct ChirpCsvExport {
  bool ok = false;
  std::string text;                 // header and one line per channel in use, CR LF line ends
  std::vector<std::string> errors;  // each names its channel
};

// A channel that still holds what a reset gives it (no frequencies, 5 minutes, level 3, 25 kHz,
// no codes) is left out, as CHIRP leaves out empty memories; when all are, channel 1 is written
// all the same so that the file keeps the band base. Fails only for a coded direction whose code
// byte is no entry of the code lists.
ChirpCsvExport ExportChirpCsv(const ChannelImage &image);

struct ChirpCsvImport {
  bool ok = false;
  ChannelImage image;
  std::vector<std::string> errors;  // each names its line; empty when ok
};

// Reads CHIRP's CSV (any column order, '#' lines, blank lines, UTF-8 with or without a
// byte-order mark). Every channel and byte the file does not decide comes from `base`, or from
// the start-up image when `base` is null: channels not in the file, the flag bits 0x07, bytes 179
// to 186, a code byte and CTCSS bit of a direction without a code. The band base comes from
// `base`, else from the file's BandBase column, else it is the lowest band that holds every set
// frequency. Nothing is validated against the channel rules: the caller runs those.
ChirpCsvImport ImportChirpCsv(std::string_view text, const ChannelImage *base);
