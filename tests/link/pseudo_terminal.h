// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pseudo-terminal standing in for the radio: the program opens its slave side as the serial
// port, the test plays the radio on the master side.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class PseudoTerminal {
 public:
  PseudoTerminal();
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal &) = delete;
  PseudoTerminal &operator=(const PseudoTerminal &) = delete;

  bool IsOpen() const { return masterFd >= 0; }
  const std::string &SlavePath() const { return slavePath; }
  int MasterFd() const { return masterFd; }

  // What the radio sends.
  void Send(const std::vector<std::uint8_t> &bytes);
  // What the program has sent, collected while the event loop runs, until `count` bytes have
  // come or `maxMilliseconds` have passed.
  std::vector<std::uint8_t> Receive(std::size_t count, int maxMilliseconds);
  // Closes the master side: the slave side hangs up, as a serial device does when its cable is
  // pulled.
  void HangUp();

 private:
  int masterFd = -1;
  std::string slavePath;
};
