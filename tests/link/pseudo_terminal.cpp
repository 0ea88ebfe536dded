// SPDX-License-Identifier: GPL-3.0-or-later
#include "pseudo_terminal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "event_loop.h"

PseudoTerminal::PseudoTerminal() {
  masterFd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (masterFd < 0 || grantpt(masterFd) != 0 || unlockpt(masterFd) != 0) {
    throw std::runtime_error("cannot create a pseudo-terminal");
  }
  const char *name = ptsname(masterFd);
  if (name == nullptr) {
    throw std::runtime_error("pseudo-terminal has no slave name");
  }
  slavePath = name;
}

PseudoTerminal::~PseudoTerminal() { HangUp(); }

void PseudoTerminal::Send(const std::vector<std::uint8_t> &bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t count = write(masterFd, bytes.data() + sent, bytes.size() - sent);
    if (count < 0) {
      throw std::runtime_error("cannot write to the pseudo-terminal master");
    }
    sent += static_cast<std::size_t>(count);
  }
}

std::vector<std::uint8_t> PseudoTerminal::Receive(std::size_t count, int maxMilliseconds) {
  std::vector<std::uint8_t> received;
  RunEventsUntil(
      [&] {
        std::uint8_t chunk[256];
        ssize_t got = 0;
        while (received.size() < count && (got = read(masterFd, chunk, sizeof chunk)) > 0) {
          received.insert(received.end(), chunk, chunk + got);
        }
        return received.size() >= count;
      },
      maxMilliseconds);
  return received;
}

void PseudoTerminal::HangUp() {
  if (masterFd >= 0) {
    close(masterFd);
    masterFd = -1;
  }
}
