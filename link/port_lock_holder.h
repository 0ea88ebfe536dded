// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Who holds a serial device, as far as the lock files of the serial-port convention tell.

#include <string>
#include <vector>

// Where programs put their LCK..name files; Qt takes the first of these it may write to.
std::vector<std::string> SerialLockFolders();

// "minicom (PID 1234)" for the live process a lock file on `devicePath` names; empty when no
// lock file names one.
std::string LockHolderOf(const std::string &devicePath,
                         const std::vector<std::string> &lockFolders = SerialLockFolders());
