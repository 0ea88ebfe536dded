// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "image_file.h"
#include "regular_file.h"

namespace {

std::string Describe(const std::string &what, const std::string &path) {
  return what + " " + path + ": " + std::strerror(errno);
}

}  // namespace

std::string LoadMemoryFile(const std::string &path, RadioMemory &memory) {
  ChannelImage image;
  FileError error;
  if (!ReadImageFile(path, image, error)) return error.text;
  std::copy(image.bytes.begin(), image.bytes.end(), memory.begin());
  return {};
}

std::string SaveMemoryFile(const std::string &path, const RadioMemory &memory) {
  FileError error;
  const std::string_view bytes(reinterpret_cast<const char *>(memory.data()), memory.size());
  return ReplaceRegularFile(path, bytes, error) ? std::string() : error.text;
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
