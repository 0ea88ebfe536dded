// SPDX-License-Identifier: GPL-3.0-or-later
#include "regular_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int TEMPORARY_NAME_ATTEMPTS = 100;
constexpr int LINKS_FOLLOWED = 40;  // as many as the kernel follows before ELOOP
constexpr std::size_t READ_CHUNK = 64 * 1024;

struct ClosedAtEnd {
  int fd;
  ~ClosedAtEnd() { ::close(fd); }
};

bool Fail(FileError &error, FileProblem problem, int systemError, std::string text) {
  error.problem = problem;
  error.systemError = systemError;
  error.text = std::move(text);
  return false;
}

bool FailWithErrno(FileError &error, const std::string &what, int errorNumber = errno) {
  return Fail(error, FileProblem::SYSTEM, errorNumber, what + ": " + std::strerror(errorNumber));
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

const char *KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  return "no regular file";
}

bool FailNotRegular(FileError &error, const std::string &what, mode_t mode, const char *outcome = "") {
  return Fail(error, FileProblem::NOT_REGULAR, 0, what + ": " + KindOf(mode) + ", not a regular file" + outcome);
}

// The user's name for the file, and where it leads when that is somewhere else.
std::string Named(const std::string &path, const std::string &target) {
  return target == path ? path : path + " (a link to " + target + ")";
}

// Follows `path` link by link, as open(2) would, to the name a write must replace. `exists`
// tells whether anything has that name; `status` is then what lstat(2) says of it.
bool FollowLinks(const std::string &path, std::string &target, struct stat &status, bool &exists,
                 FileError &error) {
  target = path;
  for (int hop = 0; hop <= LINKS_FOLLOWED; ++hop) {
    if (::lstat(target.c_str(), &status) != 0) {
      exists = false;
      return errno == ENOENT || FailWithErrno(error, "cannot write " + Named(path, target));
    }
    exists = true;
    if (!S_ISLNK(status.st_mode)) return true;
    std::string link(PATH_MAX, '\0');
    const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
    if (length < 0) return FailWithErrno(error, "cannot follow " + Named(path, target));
    if (static_cast<std::size_t>(length) == link.size()) {
      return FailWithErrno(error, "cannot follow " + Named(path, target), ENAMETOOLONG);
    }
    link.resize(static_cast<std::size_t>(length));
    target = !link.empty() && link.front() == '/' ? link : FolderOf(target) + "/" + link;
  }
  return FailWithErrno(error, "cannot write " + path, ELOOP);
}

// What `path` leads to once every symbolic link is followed, with its folder made absolute.
std::string FinalTarget(const std::string &path) {
  std::string target;
  struct stat status {};
  bool exists = false;
  FileError ignored;
  if (!FollowLinks(path, target, status, exists, ignored)) return path;
  char *folder = ::realpath(FolderOf(target).c_str(), nullptr);
  if (folder == nullptr) return target;
  const std::string resolved = std::string(folder) + "/" + BaseNameOf(target);
  std::free(folder);
  return resolved;
}

// Where a write to `path` must go, and what is there now; refuses what a write must not replace.
bool FindReplaceable(const std::string &path, std::string &target, struct stat &old, bool &exists,
                     FileError &error) {
  error = FileError{};
  if (path.empty()) return FailWithErrno(error, "cannot write a file without a name", ENOENT);
  if (!FollowLinks(path, target, old, exists, error)) return false;
  if (exists && !S_ISREG(old.st_mode)) {
    return FailNotRegular(error, "cannot write " + Named(path, target), old.st_mode, "; left as it is");
  }
  // The rename would replace a file the user has made read-only; a save must not.
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    return FailWithErrno(error, "cannot write " + Named(path, target));
  }
  return true;
}

// A hidden name of our own beside the target; O_EXCL keeps two writers (or a stale temporary
// file of a crashed run) from sharing one. The umask applies, as to any file the user creates.
int CreateTemporary(const std::string &target, std::string &temporary) {
  const std::string stem = FolderOf(target) + "/." + BaseNameOf(target) + ".tmp-" +
                           std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < TEMPORARY_NAME_ATTEMPTS; ++attempt) {
    temporary = stem + std::to_string(attempt);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The replaced file's permission bits (and, for root, its owner) go to its successor, so a
// file kept private stays private. Where the folder's file system cannot take them, the new
// file keeps what it was created with.
void KeepOwnership(int fd, const struct stat &old) {
  if (::geteuid() == 0 && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
    // root's own file then, with the old permission bits below
  }
  static_cast<void>(::fchmod(fd, old.st_mode & 0777));
}

// Once the rename has happened the new file is in place; this only makes the rename itself
// survive a power cut, so a folder that cannot be synced is no failure.
void SyncFolder(const std::string &target) {
  const int fd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  static_cast<void>(::fsync(fd));
  ::close(fd);
}

}  // namespace

bool ReadRegularFile(const std::string &path, std::size_t limit, std::string &contents, FileError &error) {
  error = FileError{};
  // Looked at before it is opened: opening a serial port alone switches its lines.
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return FailWithErrno(error, "cannot open " + path);
  if (!S_ISREG(status.st_mode)) return FailNotRegular(error, "cannot read " + path, status.st_mode);
  // Non-blocking and checked again once open, for a name given to a FIFO since the look.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return FailWithErrno(error, "cannot open " + path);
  const ClosedAtEnd closer{fd};
  if (::fstat(fd, &status) != 0) return FailWithErrno(error, "cannot read " + path);
  if (!S_ISREG(status.st_mode)) return FailNotRegular(error, "cannot read " + path, status.st_mode);
  const std::string tooLarge = path + ": more than " + std::to_string(limit) + " bytes";
  if (static_cast<std::size_t>(status.st_size) > limit) {
    return Fail(error, FileProblem::TOO_LARGE, 0, tooLarge);
  }

  // To the end rather than to st_size, which some file systems leave at 0.
  std::string bytes;
  while (bytes.size() <= limit) {
    const std::size_t before = bytes.size();
    bytes.resize(before + READ_CHUNK);
    const ssize_t got = ::read(fd, bytes.data() + before, READ_CHUNK);
    bytes.resize(before + static_cast<std::size_t>(got > 0 ? got : 0));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return FailWithErrno(error, "cannot read " + path);
    if (got == 0) break;
  }
  if (bytes.size() > limit) return Fail(error, FileProblem::TOO_LARGE, 0, tooLarge);
  contents = std::move(bytes);
  return true;
}

bool ReplaceRegularFile(const std::string &path, std::string_view contents, FileError &error) {
  std::string target;
  struct stat old {};
  bool exists = false;
  if (!FindReplaceable(path, target, old, exists, error)) return false;

  std::string temporary;
  const int fd = CreateTemporary(target, temporary);
  if (fd < 0) return FailWithErrno(error, "cannot create a file in " + FolderOf(target));
  if (exists) KeepOwnership(fd, old);
  bool written = WriteAll(fd, contents.data(), contents.size()) && ::fsync(fd) == 0;
  int failure = written ? 0 : errno;
  if (::close(fd) != 0 && written) {
    written = false;
    failure = errno;
  }
  if (!written) {
    ::unlink(temporary.c_str());
    return FailWithErrno(error, "cannot write " + Named(path, target), failure);
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    FailWithErrno(error, "cannot replace " + Named(path, target));
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(target);
  return true;
}

bool MayReplaceRegularFile(const std::string &path, FileError &error) {
  std::string target;
  struct stat old {};
  bool exists = false;
  return FindReplaceable(path, target, old, exists, error);
}

bool NameTheSameFile(const std::string &first, const std::string &second) {
  struct stat one {};
  struct stat other {};
  if (::stat(first.c_str(), &one) == 0 && ::stat(second.c_str(), &other) == 0) {
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
  }
  return FinalTarget(first) == FinalTarget(second);
}

bool WriteAll(int fd, const void *data, std::size_t count) {
  const char *bytes = static_cast<const char *>(data);
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
