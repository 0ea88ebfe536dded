// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_names.h"

#include <cctype>

namespace {

constexpr const char *SUFFIX = ".img";
constexpr std::size_t SUFFIX_LENGTH = 4;
constexpr std::size_t DEVICE_LABEL_LIMIT = 100;  // by-id names run to about 60 characters

bool IsLabelCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '_' || c == '-' || c == '+';
}

// "dddd-dd-ddTdd-dd-dd.ddd"
bool IsStamp(const std::string &text) {
  static constexpr const char PATTERN[] = "dddd-dd-ddTdd-dd-dd.ddd";
  if (text.size() != HISTORY_STAMP_LENGTH) return false;
  for (std::size_t i = 0; i < HISTORY_STAMP_LENGTH; ++i) {
    const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
    if (PATTERN[i] == 'd' ? !digit : text[i] != PATTERN[i]) return false;
  }
  return true;
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
  if (fileName.size() <= HISTORY_STAMP_LENGTH + SUFFIX_LENGTH ||
      fileName.compare(fileName.size() - SUFFIX_LENGTH, SUFFIX_LENGTH, SUFFIX) != 0) {
    return std::nullopt;
  }
  HistoryName name;
  name.stamp = fileName.substr(0, HISTORY_STAMP_LENGTH);
  if (!IsStamp(name.stamp) || fileName[HISTORY_STAMP_LENGTH] != '-') return std::nullopt;
  const std::string rest = fileName.substr(HISTORY_STAMP_LENGTH + 1, fileName.size() - HISTORY_STAMP_LENGTH - 1 - SUFFIX_LENGTH);
  const std::size_t dash = rest.find('-');
  if (dash == std::string::npos || dash + 1 == rest.size()) return std::nullopt;
  const std::optional<HistoryKind> kind = HistoryKindNamed(rest.substr(0, dash));
  if (!kind) return std::nullopt;
  name.kind = *kind;
  name.device = rest.substr(dash + 1);
  return name;
}
