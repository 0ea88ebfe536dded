// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells when the programmer opens and closes the simulated port (Linux inotify on the device).
//
// A real serial driver throws away what the radio sends while no program has the port open. The
// pty cannot: the simulator keeps its own slave descriptor open, so a reply sent after the
// programmer gave up would wait in the line and be read as the start of the next reply. Knowing
// when nobody listens lets the simulator discard such bytes as the cable would.

#include <string>

class PortUseWatch {
 public:
  PortUseWatch() = default;
  PortUseWatch(const PortUseWatch &) = delete;
  PortUseWatch &operator=(const PortUseWatch &) = delete;
  ~PortUseWatch();

  // Starts counting opens of `devicePath` from now on. Returns an empty string on success, else a
  // message; without a watch the port counts as always in use.
  std::string Start(const std::string &devicePath);

  int Fd() const { return fd_; }  // readable when opens or closes are waiting to be counted

  // Counts the waiting events; returns true when, at some point among them, the port was left
  // with no user.
  bool Update();

  bool Watching() const { return fd_ >= 0; }
  bool InUse() const { return fd_ < 0 || users_ > 0; }

 private:
  int fd_ = -1;
  int users_ = 0;
};
