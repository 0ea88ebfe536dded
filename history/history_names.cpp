// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_names.h"

#include <cctype>
#include <cstdio>
#include <ctime>

namespace {

constexpr const char *SUFFIX = ".img";
constexpr std::size_t SUFFIX_LENGTH = 4;
constexpr std::size_t DEVICE_LABEL_LIMIT = 100;  // by-id names run to about 60 characters

bool IsLabelCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '_' || c == '-' || c == '+';
}

// "2026-12-10T05-26-02.939Z"; the names of earlier versions lack the Z and carry local time.
constexpr const char STAMP_PATTERN[] = "dddd-dd-ddTdd-dd-dd.dddZ";
constexpr std::size_t LOCAL_STAMP_LENGTH = sizeof STAMP_PATTERN - 2;

// The stamp that leads `fileName` (with or without its Z), or 0 when none does.
std::size_t StampLength(const std::string &fileName) {
  for (std::size_t i = 0; i < LOCAL_STAMP_LENGTH; ++i) {
    const bool digit = i < fileName.size() && std::isdigit(static_cast<unsigned char>(fileName[i])) != 0;
    if (STAMP_PATTERN[i] == 'd' ? !digit : i >= fileName.size() || fileName[i] != STAMP_PATTERN[i]) return 0;
  }
  return fileName.size() > LOCAL_STAMP_LENGTH && fileName[LOCAL_STAMP_LENGTH] == 'Z' ? LOCAL_STAMP_LENGTH + 1
                                                                                     : LOCAL_STAMP_LENGTH;
}

int Digits(const std::string &stamp, std::size_t at, std::size_t count) {
  return std::stoi(stamp.substr(at, count));
}

// The stamp's time; one without a Z as local time, in the hour repeated when summer time ends
// whichever of the two the C library takes.
std::int64_t UtcMilliseconds(const std::string &stamp) {
  std::tm fields{};
  fields.tm_year = Digits(stamp, 0, 4) - 1900;
  fields.tm_mon = Digits(stamp, 5, 2) - 1;
  fields.tm_mday = Digits(stamp, 8, 2);
  fields.tm_hour = Digits(stamp, 11, 2);
  fields.tm_min = Digits(stamp, 14, 2);
  fields.tm_sec = Digits(stamp, 17, 2);
  fields.tm_isdst = -1;
  const std::time_t seconds = stamp.size() > LOCAL_STAMP_LENGTH ? ::timegm(&fields) : std::mktime(&fields);
  return static_cast<std::int64_t>(seconds) * 1000 + Digits(stamp, 20, 3);
}

}  // namespace

const char *HistoryKindName(HistoryKind kind) {
  switch (kind) {
    case HistoryKind::READ:
      return "read";
    case HistoryKind::WRITE:
      return "write";
    case HistoryKind::VERIFY:
      break;
  }
  return "verify";
}

std::optional<HistoryKind> HistoryKindNamed(const std::string &name) {
  if (name == "read") return HistoryKind::READ;
  if (name == "write") return HistoryKind::WRITE;
  if (name == "verify") return HistoryKind::VERIFY;
  return std::nullopt;
}

std::string HistoryStamp(std::int64_t utcMilliseconds) {
  const std::time_t seconds = static_cast<std::time_t>(utcMilliseconds / 1000);
  std::tm fields{};
  ::gmtime_r(&seconds, &fields);
  char stamp[96];  // room for any int the compiler can imagine
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02dT%02d-%02d-%02d.%03dZ", fields.tm_year + 1900, fields.tm_mon + 1,
                fields.tm_mday, fields.tm_hour, fields.tm_min, fields.tm_sec,
                static_cast<int>(utcMilliseconds % 1000));
  return stamp;
}

std::string DeviceLabel(const std::string &devicePath) {
  const std::size_t slash = devicePath.rfind('/');
  std::string label = slash == std::string::npos ? devicePath : devicePath.substr(slash + 1);
  if (label.size() > DEVICE_LABEL_LIMIT) label.resize(DEVICE_LABEL_LIMIT);
  for (char &c : label) {
    if (!IsLabelCharacter(c)) c = '_';
  }
  return label.empty() ? "port" : label;
}

std::string HistoryFileName(const std::string &stamp, HistoryKind kind, const std::string &devicePath) {
  return stamp + "-" + HistoryKindName(kind) + "-" + DeviceLabel(devicePath) + SUFFIX;
}

std::optional<HistoryName> ParseHistoryFileName(const std::string &fileName) {
  const std::size_t stampLength = StampLength(fileName);
  if (stampLength == 0 || fileName.size() <= stampLength + SUFFIX_LENGTH ||
      fileName.compare(fileName.size() - SUFFIX_LENGTH, SUFFIX_LENGTH, SUFFIX) != 0 || fileName[stampLength] != '-') {
    return std::nullopt;
  }
  HistoryName name;
  name.stamp = fileName.substr(0, stampLength);
  const std::string rest = fileName.substr(stampLength + 1, fileName.size() - stampLength - 1 - SUFFIX_LENGTH);
  const std::size_t dash = rest.find('-');
  if (dash == std::string::npos || dash + 1 == rest.size()) return std::nullopt;
  const std::optional<HistoryKind> kind = HistoryKindNamed(rest.substr(0, dash));
  if (!kind) return std::nullopt;
  name.kind = *kind;
  name.device = rest.substr(dash + 1);
  name.utcMilliseconds = UtcMilliseconds(name.stamp);
  return name;
}
