// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a lock file of the serial-port convention says, in the three forms programs write.

#include <sys/types.h>

#include <optional>
#include <string>

struct LockContents {
  pid_t pid = 0;
  std::string host;    // the writer's host name, where the lock says (Qt's form); else empty
  std::string hostId;  // the writer's machine id, where the lock says (Qt's form); else empty
};

// Qt's form ("1234\nprogram\nhost\nmachine-id\nboot-id\n"), the classic ASCII one
// ("      1234\n", as minicom and picocom write it) and the oldest, a binary int and nothing
// else. Nothing for anything else: an empty file, text that is no PID, a PID below 2.
std::optional<LockContents> ReadLockContents(const std::string &bytes);
