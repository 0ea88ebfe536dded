// SPDX-License-Identifier: GPL-3.0-or-later
#include "lock_file_contents.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

namespace {

// No PID has more digits, and nine cannot overflow a pid_t.
constexpr std::size_t PID_DIGITS_MAX = 9;
// 0 is no process and 1 is init, which holds no serial port: a lock naming either is garbage,
// not a holder that would keep everyone off the port for good.
constexpr pid_t FIRST_HOLDER_PID = 2;

std::vector<std::string> Lines(const std::string &text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// The PID line: digits, with the classic form's padding before them and nothing else.
pid_t PidOfLine(const std::string &line) {
  const std::size_t first = line.find_first_not_of(' ');
  const std::size_t last = line.find_last_not_of(' ');
  if (first == std::string::npos || last - first + 1 > PID_DIGITS_MAX) {
    return 0;
  }
  pid_t pid = 0;
  for (std::size_t at = first; at <= last; ++at) {
    if (std::isdigit(static_cast<unsigned char>(line[at])) == 0) {
      return 0;
    }
    pid = pid * 10 + (line[at] - '0');
  }
  return pid;
}

}  // namespace

std::optional<LockContents> ReadLockContents(const std::string &bytes) {
  LockContents lock;
  // Every PID has a zero high byte, which no text has.
  const auto isText = [](char c) { return std::isprint(static_cast<unsigned char>(c)) != 0 || c == '\n'; };
  if (bytes.size() == sizeof(int) && !std::all_of(bytes.begin(), bytes.end(), isText)) {
    int pid = 0;
    std::memcpy(&pid, bytes.data(), sizeof pid);
    lock.pid = static_cast<pid_t>(pid);
  } else {
    const std::vector<std::string> lines = Lines(bytes);
    if (lines.empty()) {
      return std::nullopt;
    }
    lock.pid = PidOfLine(lines[0]);
    // Qt's form goes on with the program's name, the host's and the machine's id.
    if (lines.size() > 2) {
      lock.host = lines[2];
    }
    if (lines.size() > 3) {
      lock.hostId = lines[3];
    }
  }
  if (lock.pid < FIRST_HOLDER_PID) {
    return std::nullopt;
  }
  return lock;
}
