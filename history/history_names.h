// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name of a history file says when, what and where, and sorts by time:
// 2026-12-10T05-26-02.939Z-read-ttyUSB0.img (UTC, then read, write or verify, then the device's
// base name). Nothing else is needed to list the history. Names from before the Z carry local
// time, and are read as local time.

#include <cstdint>
#include <optional>
#include <string>

// READ: what a radio held, read by the window, by 'zentor-cli read' or as a write's backup;
// WRITE: what was sent to a radio; VERIFY: the read-back of 'zentor-cli write --verify', kept
// apart so that the newest READ is still what the radio held before the write.
enum class HistoryKind { READ, WRITE, VERIFY };

const char *HistoryKindName(HistoryKind kind);  // "read", "write", "verify"
std::optional<HistoryKind> HistoryKindNamed(const std::string &name);

struct HistoryName {
  std::string stamp;  // as in the name
  // When, in milliseconds since 1970-01-01 UTC: the order of the history, whatever the time
  // zone was when each name was given.
  std::int64_t utcMilliseconds = 0;
  HistoryKind kind = HistoryKind::READ;
  std::string device;  // the device label as in the name
};

// "2026-12-10T05-26-02.939Z" for a time in milliseconds since 1970-01-01 UTC.
std::string HistoryStamp(std::int64_t utcMilliseconds);

// The device's base name with every character a file name or a shell could stumble on replaced
// by '_': "/dev/ttyUSB0" gives "ttyUSB0".
std::string DeviceLabel(const std::string &devicePath);

std::string HistoryFileName(const std::string &stamp, HistoryKind kind, const std::string &devicePath);

// Nothing for a name the history did not give (a temporary file, a file of the user's).
std::optional<HistoryName> ParseHistoryFileName(const std::string &fileName);
