// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace {

constexpr int TEMPORARY_NAME_ATTEMPTS = 100;

bool Fail(std::string &error, int *systemError, const std::string &text, int errorNumber) {
  error = text;
  if (systemError != nullptr) *systemError = errorNumber;
  return false;
}

bool FailWithErrno(std::string &error, int *systemError, const std::string &what) {
  const int errorNumber = errno;
  return Fail(error, systemError, what + ": " + std::strerror(errorNumber), errorNumber);
}

std::string FolderOf(const std::string &path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseNameOf(const std::string &path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
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

// A hidden name of our own beside the target; O_EXCL keeps two writers (or a stale temporary
// file of a crashed run) from sharing one. The umask applies, as to any file the user creates.
int CreateTemporary(const std::string &path, std::string &temporary) {
  const std::string stem = FolderOf(path) + "/." + BaseNameOf(path) + ".tmp-" +
                           std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < TEMPORARY_NAME_ATTEMPTS; ++attempt) {
    temporary = stem + std::to_string(attempt);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Once the rename has happened the new file is in place; this only makes the rename itself
// survive a power cut, so a folder that cannot be synced is no failure.
void SyncFolder(const std::string &path) {
  const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  static_cast<void>(::fsync(fd));
  ::close(fd);
}

}  // namespace

bool ReadImageFile(const std::string &path, ChannelImage &image, std::string &error,
                   int *systemError) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return FailWithErrno(error, systemError, "cannot open " + path);

  // One byte more than an image, so a file that is too long is told from one that fits.
  std::array<std::uint8_t, IMAGE_SIZE + 1> buffer{};
  std::size_t total = 0;
  while (total < buffer.size()) {
    const ssize_t got = ::read(fd, buffer.data() + total, buffer.size() - total);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      FailWithErrno(error, systemError, "cannot read " + path);
      ::close(fd);
      return false;
    }
    if (got == 0) break;
    total += static_cast<std::size_t>(got);
  }
  struct stat status {};
  const bool sized = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  ::close(fd);

  if (total != IMAGE_SIZE) {
    const std::string found = total <= IMAGE_SIZE ? std::to_string(total)
                              : sized             ? std::to_string(status.st_size)
                                                  : "more than " + std::to_string(IMAGE_SIZE);
    return Fail(error, systemError,
                path + ": an image file holds exactly " + std::to_string(IMAGE_SIZE) +
                    " bytes, this one " + found,
                0);
  }
  ReplaceImage(image, buffer.data());
  return true;
}

bool WriteImageFile(const std::string &path, const ChannelImage &image, std::string &error,
                    int *systemError) {
  std::string temporary;
  const int fd = CreateTemporary(path, temporary);
  if (fd < 0) {
    return FailWithErrno(error, systemError, "cannot create a file in " + FolderOf(path));
  }
  bool written = WriteAll(fd, image.bytes.data(), image.bytes.size()) && ::fsync(fd) == 0;
  int failure = written ? 0 : errno;
  if (::close(fd) != 0 && written) {
    written = false;
    failure = errno;
  }
  if (!written) {
    ::unlink(temporary.c_str());
    return Fail(error, systemError, "cannot write " + path + ": " + std::strerror(failure), failure);
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    FailWithErrno(error, systemError, "cannot replace " + path);
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(path);
  return true;
}
