// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pseudo-terminal that stands in for the serial port: the simulator talks on the master side,
// the programmer opens the slave device as it would open a serial port.

#include <string>

class PseudoTerminal {
 public:
  PseudoTerminal() = default;
  PseudoTerminal(const PseudoTerminal &) = delete;
  PseudoTerminal &operator=(const PseudoTerminal &) = delete;
  ~PseudoTerminal() { Close(); }

  // Creates the pair and sets the line raw at 2400 8N1. Returns an empty string on success,
  // else a message.
  std::string Open();
  void Close();  // closes both sides; the device goes away once the programmer lets go too

  int MasterFd() const { return master_; }
  int SlaveFd() const { return slave_; }
  const std::string &SlavePath() const { return slavePath_; }

 private:
  int master_ = -1;
  // Held open for the simulator's whole life: without it, each time the programmer closes the
  // port between transfers the master would see a hang-up and read EIO.
  int slave_ = -1;
  std::string slavePath_;
};
