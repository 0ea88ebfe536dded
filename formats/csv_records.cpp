// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_records.h"

namespace {

constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";

class RecordReader {
 public:
  explicit RecordReader(std::string_view text) : text_(text) {}

  CsvRecords ReadAll() {
    CsvRecords result;
    while (position_ < text_.size()) {
      CsvRecord record;
      record.line = line_;
      if (!ReadRecord(record)) {
        result.error = "line " + std::to_string(record.line) + ": " + error_;
        return result;
      }
      result.records.push_back(std::move(record));
    }
    result.ok = true;
    return result;
  }

 private:
  // Consumes one line end (LF, CR LF or CR) at the current position, if there is one.
  bool TakeLineEnd() {
    if (position_ >= text_.size()) {
      return false;
    }
    if (text_[position_] == '\n') {
      ++position_;
    } else if (text_[position_] == '\r') {
      ++position_;
      if (position_ < text_.size() && text_[position_] == '\n') {
        ++position_;
      }
    } else {
      return false;
    }
    ++line_;
    return true;
  }

  bool AddCharacter(std::string &field, char c) {
    if (field.size() >= CSV_MAX_FIELD_BYTES) {
      error_ = "a field is longer than " + std::to_string(CSV_MAX_FIELD_BYTES) + " bytes";
      return false;
    }
    field.push_back(c);
    return true;
  }

  // A quoted field runs to the next quote that is not doubled; what follows it must end the
  // field, so a stray quote is reported instead of guessed at.
  bool ReadQuotedField(std::string &field) {
    ++position_;  // opening quote
    for (;;) {
      if (position_ >= text_.size()) {
        error_ = "a quoted field is not closed before the end of the file";
        return false;
      }
      const char c = text_[position_];
      if (c == '"') {
        if (position_ + 1 < text_.size() && text_[position_ + 1] == '"') {
          position_ += 2;
          if (!AddCharacter(field, '"')) return false;
          continue;
        }
        ++position_;
        if (position_ < text_.size() && text_[position_] != ',' && text_[position_] != '\n' &&
            text_[position_] != '\r') {
          error_ = "a quoted field is followed by more text before the next comma";
          return false;
        }
        return true;
      }
      // A line end inside quotes belongs to the field as written; it still counts as a line.
      if (c == '\n' || (c == '\r' && (position_ + 1 >= text_.size() || text_[position_ + 1] != '\n'))) {
        ++line_;
      }
      ++position_;
      if (!AddCharacter(field, c)) return false;
    }
  }

  bool ReadRecord(CsvRecord &record) {
    for (;;) {
      if (record.fields.size() >= CSV_MAX_FIELDS) {
        error_ = "a line has more than " + std::to_string(CSV_MAX_FIELDS) + " fields";
        return false;
      }
      record.fields.emplace_back();
      std::string &field = record.fields.back();
      if (position_ < text_.size() && text_[position_] == '"') {
        if (!ReadQuotedField(field)) return false;
      } else {
        while (position_ < text_.size() && text_[position_] != ',' && text_[position_] != '\n' &&
               text_[position_] != '\r') {
          if (!AddCharacter(field, text_[position_])) return false;
          ++position_;
        }
      }
      if (position_ < text_.size() && text_[position_] == ',') {
        ++position_;
        continue;
      }
      TakeLineEnd();
      return true;
    }
  }

  std::string_view text_;
  std::size_t position_ = 0;
  int line_ = 1;
  std::string error_;
};

}  // namespace

CsvRecords ReadCsvRecords(std::string_view text) {
  if (text.size() > CSV_MAX_TEXT_BYTES) {
    CsvRecords tooLong;
    tooLong.error = "the file has more than " + std::to_string(CSV_MAX_TEXT_BYTES) +
                    " bytes; a CHIRP file of 16 channels has a few thousand";
    return tooLong;
  }
  if (text.substr(0, UTF8_BOM.size()) == UTF8_BOM) {
    text.remove_prefix(UTF8_BOM.size());
  }
  return RecordReader(text).ReadAll();
}
