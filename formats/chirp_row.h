// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One data line of a CHIRP CSV file, read by column name.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "channel_fields.h"
#include "chirp_columns.h"

// Where each known column sits in the header line; CHIRP looks a name up and takes its first
// place, and so does this.
struct ChirpHeader {
  std::array<std::optional<std::size_t>, CHIRP_COLUMN_COUNT> place;
  std::size_t width = 0;  // fields in the header line

  bool Has(ChirpColumn column) const { return place[static_cast<std::size_t>(column)].has_value(); }
};

ChirpHeader ReadChirpHeader(const std::vector<std::string> &fields);

struct ChirpRow {
  int location = 0;  // 1 to 16
  ChannelFields fields;
  std::optional<std::uint32_t> bandBase;  // 100 Hz units
};

// False, with `error` for the user, at the first field that the radio cannot take.
bool ReadChirpRow(const std::vector<std::string> &fields, const ChirpHeader &header, ChirpRow &row,
                  std::string &error);
