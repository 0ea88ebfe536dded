// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the built zentor-radio-sim as a child process for a test, with its standard error kept in
// a file the test can search, and a private directory for the files the test hands it.

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// A directory under TMPDIR (or /tmp) removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;

  const std::string &Path() const { return path_; }
  std::string File(const std::string &name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

class SimProcess {
 public:
  // Starts the simulator with `arguments` (always with --verbose) and waits, at most 10 s, for
  // the device path on its first line of output.
  explicit SimProcess(const std::vector<std::string> &arguments);
  ~SimProcess();  // kills the child if it still runs
  SimProcess(const SimProcess &) = delete;
  SimProcess &operator=(const SimProcess &) = delete;

  // Empty when the simulator printed no path in time.
  const std::string &DevicePath() const { return devicePath_; }

  // SIGTERM, then the exit status (nothing if it did not end within 10 s, or died by a signal).
  std::optional<int> Stop();
  std::optional<int> WaitForExit(std::chrono::milliseconds limit);

  // Waits until the simulator's log contains `text`.
  bool WaitForLog(const std::string &text, std::chrono::milliseconds limit) const;
  std::string Log() const;

 private:
  TempDir logDir_;
  pid_t pid_ = -1;
  bool reaped_ = false;
  std::optional<int> exitStatus_;  // nothing when it died by a signal
  std::string devicePath_;
};

// Reads a whole file; nothing when it cannot be opened.
std::optional<std::vector<unsigned char>> ReadWholeFile(const std::string &path);
bool WriteWholeFile(const std::string &path, const std::vector<unsigned char> &bytes);
