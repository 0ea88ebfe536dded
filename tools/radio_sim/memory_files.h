// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulator's files: the memory it starts from, the memory it saves after each write, and
// the log of every byte it received.

#include <cstddef>
#include <cstdint>
#include <string>

#include "sample_memory.h"

// Reads exactly IMAGE_SIZE bytes; any other length is an error. Returns an empty string on
// success, else a message.
std::string LoadMemoryFile(const std::string &path, RadioMemory &memory);

// Writes to a temporary file beside `path` and renames it into place, so a reader sees either
// the old memory or the new one, never part of a file.
std::string SaveMemoryFile(const std::string &path, const RadioMemory &memory);

// Appends raw bytes to a file as they arrive; unbuffered, so a test reading the file sees them
// at once.
class ReceivedBytesLog {
 public:
  ReceivedBytesLog() = default;
  ReceivedBytesLog(const ReceivedBytesLog &) = delete;
  ReceivedBytesLog &operator=(const ReceivedBytesLog &) = delete;
  ~ReceivedBytesLog();

  std::string Open(const std::string &path);  // created if missing, never truncated
  std::string Append(const std::uint8_t *bytes, std::size_t count);  // no-op when not open

 private:
  int fd_ = -1;
};
