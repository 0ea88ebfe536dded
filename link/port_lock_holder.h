// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Who holds a serial device, as far as the lock files of the serial-port convention tell: read
// without ever blocking, and the stale one cleared from where Qt's own lock would trip over it.

#include <string>
#include <vector>

enum class LockState { FREE, HELD, REFUSED };

struct PortLocks {
  LockState state = LockState::FREE;
  std::string holder;  // HELD: "minicom (PID 1234)", the live process a lock file names
  // REFUSED: a lock file keeps the port closed although it names no live holder, in words that
  // name the file: "locked: /run/lock/LCK..ttyUSB0 cannot be read (taken as stale after 30 s)"
  std::string reason;
};

// Qt's own lock folders, in Qt's order: Qt 6 locks in the first it may read where it either
// finds the lock file or may create it.
std::vector<std::string> SerialLockFolders();

// The lock file Qt's open takes for `devicePath`, by Qt's rule over `lockFolders`; empty when
// no folder will do.
std::string QtLockFile(const std::string &devicePath, const std::vector<std::string> &lockFolders);

enum class StaleLock { KEEP, REMOVE };

// What every lock file on `devicePath` says, under its Qt name and its classic name, in each of
// `lockFolders`. A lock that names a live process makes it HELD; one this program cannot judge
// (unreadable, garbage, or a PID that may live where this program cannot see it) or one that is
// no regular file makes it REFUSED; a stale one counts for nothing. With REMOVE, a stale lock at
// QtLockFile is removed first, since Qt's own lock would refuse the port over it until it is
// 30 s old; one that cannot be removed makes it REFUSED.
PortLocks CheckPortLocks(const std::string &devicePath,
                         const std::vector<std::string> &lockFolders = SerialLockFolders(),
                         StaleLock stale = StaleLock::KEEP);
