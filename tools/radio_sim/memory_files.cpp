// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

std::string Describe(const std::string &what, const std::string &path) {
  return what + " " + path + ": " + std::strerror(errno);
}

bool WriteAll(int fd, const std::uint8_t *bytes, std::size_t count) {
  while (count > 0) {
    const ssize_t written = ::write(fd, bytes, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

std::string LoadMemoryFile(const std::string &path, RadioMemory &memory) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Describe("cannot open", path);
  // One byte more than needed, so a file that is too long is told from one that fits.
  std::uint8_t buffer[IMAGE_SIZE + 1];
  std::size_t total = 0;
  while (total < sizeof buffer) {
    const ssize_t got = ::read(fd, buffer + total, sizeof buffer - total);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const std::string message = Describe("cannot read", path);
      ::close(fd);
      return message;
    }
    if (got == 0) break;
    total += static_cast<std::size_t>(got);
  }
  ::close(fd);
  if (total != IMAGE_SIZE) {
    return path + ": a memory file must hold exactly " + std::to_string(IMAGE_SIZE) + " bytes";
  }
  std::memcpy(memory.data(), buffer, IMAGE_SIZE);
  return {};
}

std::string SaveMemoryFile(const std::string &path, const RadioMemory &memory) {
  const std::string temporary = path + ".tmp." + std::to_string(::getpid());
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return Describe("cannot create", temporary);
  const bool written = WriteAll(fd, memory.data(), memory.size());
  const std::string writeError = written ? std::string() : Describe("cannot write", temporary);
  if (::close(fd) != 0 && written) {
    ::unlink(temporary.c_str());
    return Describe("cannot write", temporary);
  }
  if (!written) {
    ::unlink(temporary.c_str());
    return writeError;
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string message = Describe("cannot rename onto", path);
    ::unlink(temporary.c_str());
    return message;
  }
  return {};
}

ReceivedBytesLog::~ReceivedBytesLog() {
  if (fd_ >= 0) ::close(fd_);
}

std::string ReceivedBytesLog::Open(const std::string &path) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  return fd_ < 0 ? Describe("cannot open", path) : std::string();
}

std::string ReceivedBytesLog::Append(const std::uint8_t *bytes, std::size_t count) {
  if (fd_ < 0 || WriteAll(fd_, bytes, count)) return {};
  return std::string("cannot append to the frames file: ") + std::strerror(errno);
}
