// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_lock_holder.h"

#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <QStandardPaths>
#include <QSysInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>

#include "lock_file_contents.h"
#include "regular_file.h"

namespace {

constexpr std::size_t LOCK_FILE_LIMIT = 4096;  // a Qt lock file holds about a hundred bytes
// QLockFile's stale time: a lock it cannot read is taken for stale once its age (by mtime) is
// more than this, either way.
constexpr std::time_t QT_STALE_SECONDS = 30;
// The inode number of the initial PID namespace (PROC_PID_INIT_INO), the same on every system.
constexpr ino_t INITIAL_PID_NAMESPACE = 0xEFFFFFFCU;

enum class Verdict { ABSENT, STALE, HELD, REFUSED };

struct Finding {
  Verdict verdict = Verdict::ABSENT;
  std::string text;        // HELD: the holder; REFUSED: the reason
  struct stat seen {};     // the lock file as lstat(2) found it
};

Finding Found(Verdict verdict, std::string text = std::string(), const struct stat &seen = {}) {
  Finding finding;
  finding.verdict = verdict;
  finding.text = std::move(text);
  finding.seen = seen;
  return finding;
}

// Qt names the lock after the path below /dev with '/' turned into '_' (LCK..pts_3); the
// classic convention after the device's base name (LCK..ttyUSB0). For /dev/ttyUSB0 both agree.
std::vector<std::string> LockFileNames(const std::string &devicePath) {
  const std::string devPrefix = "/dev/";
  std::string qtName = devicePath.rfind(devPrefix, 0) == 0 ? devicePath.substr(devPrefix.size()) : devicePath;
  std::replace(qtName.begin(), qtName.end(), '/', '_');
  const std::string baseName = devicePath.substr(devicePath.find_last_of('/') + 1);
  std::vector<std::string> names = {"LCK.." + qtName};
  if (baseName != qtName) {
    names.push_back("LCK.." + baseName);
  }
  return names;
}

const char *KindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  return "no regular file";
}

bool OlderThanQtStaleTime(const struct stat &status) {
  return std::abs(std::time(nullptr) - status.st_mtim.tv_sec) > QT_STALE_SECONDS;
}

// NSpid in /proc/self/status counts namespaces only from the one /proc was mounted in, so a PID
// namespace with a /proc of its own (unshare -pf --mount-proc) shows one PID there; the
// namespace's inode number tells the initial namespace whatever /proc is mounted.
bool SeesEveryProcess() {
  struct stat pidNamespace {};
  return stat("/proc/self/ns/pid", &pidNamespace) == 0 && pidNamespace.st_ino == INITIAL_PID_NAMESPACE;
}

// By the host name and, where both sides know it, the machine id, as QLockFile judges it.
bool WrittenOnThisHost(const LockContents &lock) {
  std::array<char, HOST_NAME_MAX + 1> host{};
  if (!lock.host.empty() && (gethostname(host.data(), host.size() - 1) != 0 || lock.host != host.data())) {
    return false;
  }
  const QByteArray machine = QSysInfo::machineUniqueId();
  return lock.hostId.empty() || machine.isEmpty() || lock.hostId == machine.toStdString();
}

std::string ProcessName(pid_t pid) {
  std::string name;
  FileError ignored;
  if (!ReadRegularFile("/proc/" + std::to_string(pid) + "/comm", 256, name, ignored)) {
    return std::string();
  }
  name.erase(std::find(name.begin(), name.end(), '\n'), name.end());
  return name;
}

// Never opens anything but a regular file, so a FIFO or a device named like a lock costs no wait.
Finding Examine(const std::string &path) {
  struct stat seen {};
  if (lstat(path.c_str(), &seen) != 0) {
    return Found(Verdict::ABSENT);  // no lock file, or none this user can see
  }
  const std::string locked = "locked: " + path;
  struct stat target = seen;
  if (S_ISLNK(seen.st_mode) && stat(path.c_str(), &target) != 0) {
    return Found(Verdict::REFUSED, locked + " is a link that leads nowhere, not a lock file");
  }
  if (!S_ISREG(target.st_mode)) {
    return Found(Verdict::REFUSED, locked + " is " + KindOf(target.st_mode) + ", not a lock file");
  }
  std::string bytes;
  FileError error;
  const std::optional<LockContents> lock =
      ReadRegularFile(path, LOCK_FILE_LIMIT, bytes, error) ? ReadLockContents(bytes) : std::nullopt;
  if (!lock) {
    // Empty also while its writer has just created it: only time tells that from a dead one.
    return Found(OlderThanQtStaleTime(target) ? Verdict::STALE : Verdict::REFUSED,
                 locked + " cannot be read (taken as stale after 30 s)", seen);
  }
  const std::string pid = std::to_string(lock->pid);
  if (!WrittenOnThisHost(*lock)) {
    const std::string host = lock->host.empty() ? "another machine" : "the host " + lock->host;
    return Found(Verdict::REFUSED,
                 locked + " names PID " + pid + " of " + host + ", whose processes this program cannot see");
  }
  if (kill(lock->pid, 0) == 0 || errno != ESRCH) {
    const std::string program = ProcessName(lock->pid);
    return Found(Verdict::HELD, (program.empty() ? "a process" : program) + " (PID " + pid + ")");
  }
  if (!SeesEveryProcess()) {
    return Found(Verdict::REFUSED,
                 locked + " names PID " + pid + ", which may run outside this program's PID namespace");
  }
  return Found(Verdict::STALE, std::string(), seen);  // its holder has gone
}

bool Unchanged(const std::string &path, const struct stat &seen) {
  struct stat now {};
  return lstat(path.c_str(), &now) == 0 && now.st_dev == seen.st_dev && now.st_ino == seen.st_ino &&
         now.st_size == seen.st_size && now.st_mtim.tv_sec == seen.st_mtim.tv_sec &&
         now.st_mtim.tv_nsec == seen.st_mtim.tv_nsec;
}

// Removed only as it was judged: a program that has replaced it meanwhile with a lock of its
// own keeps that one.
Finding RemoveIfStale(const std::string &path) {
  Finding finding = Examine(path);
  for (int look = 0; look < 2 && finding.verdict == Verdict::STALE; ++look) {
    if (!Unchanged(path, finding.seen)) {
      finding = Examine(path);
    } else if (unlink(path.c_str()) == 0 || errno == ENOENT) {
      return Found(Verdict::ABSENT);
    } else {
      return Found(Verdict::REFUSED,
                   "locked: " + path + " is stale but cannot be removed: " + std::strerror(errno));
    }
  }
  return finding;
}

}  // namespace

std::vector<std::string> SerialLockFolders() {
  // As qserialport_unix.cpp lists them.
  std::vector<std::string> folders = {"/var/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp",
                                      "/tmp", "/var/tmp", "/var/lock/lockdev", "/run/lock"};
  const std::string temporary = QStandardPaths::writableLocation(QStandardPaths::TempLocation).toStdString();
  if (!temporary.empty() && std::find(folders.begin(), folders.end(), temporary) == folders.end()) {
    folders.push_back(temporary);
  }
  return folders;
}

std::string QtLockFile(const std::string &devicePath, const std::vector<std::string> &lockFolders) {
  const std::string name = "/" + LockFileNames(devicePath).front();
  for (const std::string &folder : lockFolders) {
    struct stat status {};
    if (access(folder.c_str(), R_OK) == 0 &&
        (stat((folder + name).c_str(), &status) == 0 || access(folder.c_str(), W_OK) == 0)) {
      return folder + name;
    }
  }
  return std::string();
}

PortLocks CheckPortLocks(const std::string &devicePath, const std::vector<std::string> &lockFolders,
                         StaleLock stale) {
  const std::string qtLock = stale == StaleLock::REMOVE ? QtLockFile(devicePath, lockFolders) : std::string();
  for (const std::string &folder : lockFolders) {
    for (const std::string &name : LockFileNames(devicePath)) {
      const std::string path = folder + "/" + name;
      const Finding finding = path == qtLock ? RemoveIfStale(path) : Examine(path);
      PortLocks locks;
      if (finding.verdict == Verdict::HELD) {
        locks.state = LockState::HELD;
        locks.holder = finding.text;
        return locks;
      }
      if (finding.verdict == Verdict::REFUSED) {
        locks.state = LockState::REFUSED;
        locks.reason = finding.text;
        return locks;
      }
    }
  }
  return PortLocks();
}
