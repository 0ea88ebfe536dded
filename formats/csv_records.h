// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits CSV text into records the way Python's csv module reads what CHIRP writes: commas
// between fields, a field in double quotes may hold commas, line ends and doubled quotes, and a
// record ends at LF, CR LF or a lone CR. A UTF-8 byte-order mark in front is dropped.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Limits that keep any input cheap to read: a CHIRP file of 1000 memories is under 200 KiB and
// has 21 columns of a few dozen bytes each.
constexpr std::size_t CSV_MAX_TEXT_BYTES = 1024 * 1024;
constexpr std::size_t CSV_MAX_FIELDS = 256;
constexpr std::size_t CSV_MAX_FIELD_BYTES = 4096;

struct CsvRecord {
  int line = 0;  // 1-based line of the text where the record starts
  std::vector<std::string> fields;
};

struct CsvRecords {
  bool ok = false;
  std::vector<CsvRecord> records;
  std::string error;  // names the line when !ok
};

// Every record, blank lines and lines of empty fields included; the reader of the records
// decides what to skip.
CsvRecords ReadCsvRecords(std::string_view text);
