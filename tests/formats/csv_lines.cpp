// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_lines.h"

#include <cstddef>

std::vector<CsvLine> SplitCrLfLines(const std::string &text) {
  std::vector<CsvLine> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    const std::string line = text.substr(start, end - start);
    CsvLine fields(1);
    for (const char c : line) {
      if (c == ',') fields.emplace_back(); else fields.back() += c;
    }
    lines.push_back(fields);
    start = end == std::string::npos ? text.size() : end + 2;
  }
  return lines;
}

ChannelImage ImageWithChannel(std::uint32_t band, int channel, const RawChannel &raw) {
  ChannelImage image;
  ResetImage(image);
  WriteField24(image.Settings(), band);
  std::uint8_t *record = image.Record(static_cast<std::size_t>(channel - 1));
  WriteField24(record + 0, raw.rx);
  record[3] = raw.rxCode;
  record[4] = raw.tot;
  WriteField24(record + 5, raw.tx);
  record[8] = raw.txCode;
  record[9] = raw.flags;
  record[10] = raw.squelch;
  return image;
}
