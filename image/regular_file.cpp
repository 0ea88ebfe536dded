// SPDX-License-Identifier: GPL-3.0-or-later
#include "regular_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <limits.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

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

// `errorNumber` is taken by the caller before it builds `what`: an allocation may change errno.
bool FailWithErrno(FileError &error, const std::string &what, int errorNumber) {
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
      const int failure = errno;
      exists = false;
      return failure == ENOENT || FailWithErrno(error, "cannot write " + Named(path, target), failure);
    }
    exists = true;
    if (!S_ISLNK(status.st_mode)) return true;
    std::string link(PATH_MAX, '\0');
    const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
    if (length < 0) {
      const int failure = errno;
      return FailWithErrno(error, "cannot follow " + Named(path, target), failure);
    }
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

// The new file is made beside the old one, so the folder must exist and take a new name; this
// is known before a radio is read, not after.
bool FolderTakesNewFile(const std::string &path, const std::string &target, bool exists, FileError &error) {
  const std::string folder = FolderOf(target);
  const std::string what = "cannot write " + Named(path, target) + ": ";
  struct stat status {};
  if (::stat(folder.c_str(), &status) != 0) {
    const int failure = errno;
    if (failure != ENOENT) return FailWithErrno(error, what + "the folder " + folder, failure);
    return Fail(error, FileProblem::SYSTEM, failure, what + "the folder " + folder + " does not exist");
  }
  if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0) return true;
  const int failure = errno;
  const std::string needs = (exists ? "replacing it" : "it") + std::string(" needs a new file in the folder ") + folder;
  if (failure != EACCES && failure != EPERM) return FailWithErrno(error, what + needs, failure);
  return Fail(error, FileProblem::SYSTEM, failure, what + needs + ", and this user may not create files there");
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
    const int failure = errno;
    return FailWithErrno(error, "cannot write " + Named(path, target), failure);
  }
  return FolderTakesNewFile(path, target, exists, error);
}

bool AllDigits(std::string_view text) {
  return !text.empty() && text.size() <= 10 && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process a temporary file's name says made it: ".zentor-PID-N.tmp", or the longer
// ".NAME.tmp-PID-N" of earlier versions. 0 for any other name.
pid_t MakerOf(std::string_view name) {
  constexpr std::string_view PREFIX = ".zentor-";
  constexpr std::string_view SUFFIX = ".tmp";
  constexpr std::string_view EARLIER = ".tmp-";
  std::string_view numbers;
  const std::size_t earlier = name.rfind(EARLIER);
  if (name.size() > PREFIX.size() + SUFFIX.size() && name.substr(0, PREFIX.size()) == PREFIX &&
      name.substr(name.size() - SUFFIX.size()) == SUFFIX) {
    numbers = name.substr(PREFIX.size(), name.size() - PREFIX.size() - SUFFIX.size());
  } else if (!name.empty() && name.front() == '.' && earlier != std::string_view::npos && earlier > 0) {
    numbers = name.substr(earlier + EARLIER.size());
  }
  const std::size_t dash = numbers.find('-');
  if (dash == std::string_view::npos || !AllDigits(numbers.substr(0, dash)) || !AllDigits(numbers.substr(dash + 1))) {
    return 0;
  }
  const unsigned long pid = std::stoul(std::string(numbers.substr(0, dash)));
  return pid > 0 && pid <= static_cast<unsigned long>(INT_MAX) ? static_cast<pid_t>(pid) : 0;
}

// A killed writer leaves its temporary file behind; it is removed at the next write into that
// folder once its process is gone, and only when it is this user's own regular file.
void RemoveStaleTemporaries(const std::string &folder) {
  DIR *listing = ::opendir(folder.c_str());
  if (listing == nullptr) return;
  while (const dirent *item = ::readdir(listing)) {
    const pid_t maker = MakerOf(item->d_name);
    struct stat status {};
    if (maker == 0 || ::kill(maker, 0) == 0 || errno != ESRCH) continue;
    if (::fstatat(::dirfd(listing), item->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode) &&
        status.st_uid == ::geteuid()) {
      ::unlinkat(::dirfd(listing), item->d_name, 0);
    }
  }
  ::closedir(listing);
}

// A short hidden name of our own in the folder, so that a target name of up to 255 bytes has
// room; O_EXCL keeps two writers (or a stale temporary file of a crashed run) from sharing one.
// The umask applies to `mode`, as to any file the user creates.
int CreateTemporary(const std::string &folder, std::string &temporary, mode_t mode = 0666) {
  RemoveStaleTemporaries(folder);
  const std::string stem = folder + "/.zentor-" + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < TEMPORARY_NAME_ATTEMPTS; ++attempt) {
    temporary = stem + std::to_string(attempt) + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

std::string UserName(uid_t uid) {
  std::vector<char> buffer(16 * 1024);
  passwd entry {};
  passwd *found = nullptr;
  ::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found);
  return found != nullptr ? found->pw_name : std::to_string(uid);
}

std::string GroupName(gid_t gid) {
  std::vector<char> buffer(64 * 1024);
  group entry {};
  group *found = nullptr;
  ::getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found);
  return found != nullptr ? found->gr_name : std::to_string(gid);
}

// The replaced file's owner, group and permission bits go to its successor, so a file shared
// in a group stays shared and a file kept private stays private: root may give back both, a
// member of the file's group the group. What could not be kept is said in one line.
std::string KeepOwnership(int fd, const struct stat &old, const std::string &name) {
  if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
    // neither: what fstat finds below is said
  }
  struct stat now = old;
  static_cast<void>(::fstat(fd, &now));
  mode_t mode = old.st_mode & 0777;
  // Another group gets no more than the old file gave to others: the group's rights were meant
  // for the old group's members.
  if (now.st_gid != old.st_gid) mode = (mode & (S_IRWXU | S_IRWXO)) | (mode & S_IRWXG & ((mode & S_IRWXO) << 3));
  // The new file was made for its owner alone, so a refused fchmod can only narrow the bits.
  const bool modeKept = ::fchmod(fd, mode) == 0;
  const int modeFailure = errno;

  std::string lost;
  if (now.st_uid != old.st_uid) lost = " by " + UserName(now.st_uid) + " instead of " + UserName(old.st_uid);
  if (now.st_gid != old.st_gid) {
    lost += (lost.empty() ? " by the group " : " and by the group ") + GroupName(now.st_gid) + " instead of " +
            GroupName(old.st_gid);
  }
  std::string warning = lost.empty() ? std::string() : name + ": written, but now owned" + lost;
  if (!modeKept) {
    warning += (warning.empty() ? name + ": written, but" : "; and") + std::string(" readable by its owner alone (") +
               std::strerror(modeFailure) + ")";
  }
  return warning;
}

// Every byte written, synced and closed, or false with the failing call's errno in `failure`.
bool WriteAndClose(int fd, std::string_view contents, int &failure) {
  bool written = WriteAll(fd, contents.data(), contents.size()) && ::fsync(fd) == 0;
  failure = written ? 0 : errno;
  if (::close(fd) != 0 && written) {
    written = false;
    failure = errno;
  }
  return written;
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
  if (::stat(path.c_str(), &status) != 0) {
    const int failure = errno;
    return FailWithErrno(error, "cannot open " + path, failure);
  }
  if (!S_ISREG(status.st_mode)) return FailNotRegular(error, "cannot read " + path, status.st_mode);
  // Non-blocking and checked again once open, for a name given to a FIFO since the look.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int failure = errno;
    return FailWithErrno(error, "cannot open " + path, failure);
  }
  const ClosedAtEnd closer{fd};
  if (::fstat(fd, &status) != 0) {
    const int failure = errno;
    return FailWithErrno(error, "cannot read " + path, failure);
  }
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
    const int failure = errno;  // before the resize, which may allocate
    bytes.resize(before + static_cast<std::size_t>(got > 0 ? got : 0));
    if (got < 0 && failure == EINTR) continue;
    if (got < 0) return FailWithErrno(error, "cannot read " + path, failure);
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
  const int fd = CreateTemporary(FolderOf(target), temporary, exists ? S_IRUSR | S_IWUSR : 0666);
  if (fd < 0) {
    const int failure = errno;
    return FailWithErrno(error, "cannot create a file in " + FolderOf(target), failure);
  }
  if (exists) error.warning = KeepOwnership(fd, old, Named(path, target));
  if (int failure = 0; !WriteAndClose(fd, contents, failure)) {
    ::unlink(temporary.c_str());
    error.warning.clear();
    return FailWithErrno(error, "cannot write " + Named(path, target), failure);
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int failure = errno;
    ::unlink(temporary.c_str());
    error.warning.clear();
    return FailWithErrno(error, "cannot replace " + Named(path, target), failure);
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

bool CreateRegularFile(const std::string &path, std::string_view contents, FileError &error) {
  error = FileError{};
  std::string temporary;
  const int fd = CreateTemporary(FolderOf(path), temporary);
  if (fd < 0) {
    const int failure = errno;
    return FailWithErrno(error, "cannot create a file in " + FolderOf(path), failure);
  }
  if (int failure = 0; !WriteAndClose(fd, contents, failure)) {
    ::unlink(temporary.c_str());
    return FailWithErrno(error, "cannot write " + path, failure);
  }
  if (!RenameWithoutReplacing(temporary, path)) {
    const int failure = errno;
    ::unlink(temporary.c_str());
    return FailWithErrno(error, "cannot create " + path, failure);
  }
  SyncFolder(path);
  return true;
}

bool RenameWithoutReplacing(const std::string &from, const std::string &to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without the flag: link(2) neither follows nor replaces a name either.
  if (::link(from.c_str(), to.c_str()) != 0) return false;
  ::unlink(from.c_str());
  return true;
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
