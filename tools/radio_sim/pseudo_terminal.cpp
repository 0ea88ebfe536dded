// SPDX-License-Identifier: GPL-3.0-or-later
#include "pseudo_terminal.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

std::string Failure(const char *what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

std::string PseudoTerminal::Open() {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) return Failure("posix_openpt");
  if (::grantpt(master_) != 0) return Failure("grantpt");
  if (::unlockpt(master_) != 0) return Failure("unlockpt");
  const char *name = ::ptsname(master_);
  if (name == nullptr) return Failure("ptsname");
  slavePath_ = name;

  slave_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave_ < 0) return Failure("open slave");

  // Raw: the terminal must neither echo (the request would come straight back to the programmer
  // as the start of its reply) nor translate or swallow any of the 256 byte values.
  termios line{};
  if (::tcgetattr(slave_, &line) != 0) return Failure("tcgetattr");
  ::cfmakeraw(&line);
  line.c_cflag &= static_cast<tcflag_t>(~(CSIZE | PARENB | CSTOPB | CRTSCTS));
  line.c_cflag |= CS8 | CREAD | CLOCAL;
  ::cfsetispeed(&line, B2400);
  ::cfsetospeed(&line, B2400);
  if (::tcsetattr(slave_, TCSANOW, &line) != 0) return Failure("tcsetattr");

  // Non-blocking, so a programmer that stops reading can never stall the simulator.
  const int flags = ::fcntl(master_, F_GETFL);
  if (flags < 0 || ::fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) return Failure("fcntl");
  ::fcntl(master_, F_SETFD, FD_CLOEXEC);
  return {};
}

void PseudoTerminal::Close() {
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
  slave_ = -1;
  master_ = -1;
}
