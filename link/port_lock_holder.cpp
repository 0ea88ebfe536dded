// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_lock_holder.h"

#include <signal.h>
#include <sys/types.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

// Qt names the lock after the path below /dev with '/' turned into '_' (LCK..pts_3); the
// classic convention after the device's base name (LCK..ttyUSB0). For /dev/ttyUSB0 both agree.
std::vector<std::string> LockFileNames(const std::string &devicePath) {
  const std::string devPrefix = "/dev/";
  std::string qtName = devicePath.rfind(devPrefix, 0) == 0 ? devicePath.substr(devPrefix.size()) : devicePath;
  for (char &c : qtName) {
    if (c == '/') {
      c = '_';
    }
  }
  const std::string baseName = devicePath.substr(devicePath.find_last_of('/') + 1);
  std::vector<std::string> names = {"LCK.." + qtName};
  if (baseName != qtName) {
    names.push_back("LCK.." + baseName);
  }
  return names;
}

// Three forms name the holder: Qt's and the classic ASCII one ("      1234\n", ten characters
// and a newline, as minicom and picocom write it) start with the PID in decimal, the classic
// padded with spaces; the oldest form holds the PID as a binary int and nothing else.
pid_t PidInLockFile(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  std::array<char, 64> head{};
  file.read(head.data(), static_cast<std::streamsize>(head.size()));
  const auto size = static_cast<std::size_t>(file.gcount());
  const auto isText = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0 || c == ' ' || c == '\n'; };
  if (size == sizeof(int) && !std::all_of(head.begin(), head.begin() + sizeof(int), isText)) {
    int pid = 0;
    std::memcpy(&pid, head.data(), sizeof pid);
    return static_cast<pid_t>(pid);
  }
  std::size_t at = 0;
  while (at < size && head[at] == ' ') {
    ++at;
  }
  long pid = 0;
  // Bounded, so that a file of digits cannot overflow it: no PID has this many.
  for (; at < size && std::isdigit(static_cast<unsigned char>(head[at])) != 0 && pid < 100000000; ++at) {
    pid = pid * 10 + (head[at] - '0');
  }
  return static_cast<pid_t>(pid);
}

bool IsAlive(pid_t pid) { return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM); }

std::string ProcessName(pid_t pid) {
  std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
  std::string name;
  std::getline(comm, name);
  return name;
}

}  // namespace

std::vector<std::string> SerialLockFolders() {
  return {"/var/lock", "/run/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp",
          "/tmp", "/var/tmp", "/var/lock/lockdev"};
}

std::string LockHolderOf(const std::string &devicePath, const std::vector<std::string> &lockFolders) {
  for (const std::string &folder : lockFolders) {
    for (const std::string &name : LockFileNames(devicePath)) {
      const pid_t pid = PidInLockFile(folder + "/" + name);
      if (!IsAlive(pid)) {
        continue;  // no lock file, or a stale one: its holder has gone
      }
      const std::string program = ProcessName(pid);
      return (program.empty() ? "a process" : program) + " (PID " + std::to_string(pid) + ")";
    }
  }
  return std::string();
}
