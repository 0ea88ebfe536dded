// SPDX-License-Identifier: GPL-3.0-or-later
#include "raw_port.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

RawPort::RawPort(const std::string &path) {
  fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) {
    openError_ = errno;
    return;
  }
  termios line{};
  if (::tcgetattr(fd_, &line) == 0) {
    ::cfmakeraw(&line);
    ::cfsetispeed(&line, B2400);
    ::cfsetospeed(&line, B2400);
    ::tcsetattr(fd_, TCSANOW, &line);
  }
}

void RawPort::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool RawPort::Send(const Bytes &bytes) {
  std::size_t sent = 0;
  while (fd_ >= 0 && sent < bytes.size()) {
    const ssize_t written = ::write(fd_, bytes.data() + sent, bytes.size() - sent);
    if (written > 0) {
      sent += static_cast<std::size_t>(written);
    } else if (errno == EAGAIN || errno == EINTR) {
      pollfd writable{fd_, POLLOUT, 0};
      if (::poll(&writable, 1, 1000) <= 0) return false;
    } else {
      return false;
    }
  }
  return fd_ >= 0;
}

Bytes RawPort::Receive(std::size_t count, std::chrono::milliseconds limit) {
  Bytes received;
  const auto giveUp = std::chrono::steady_clock::now() + limit;
  while (fd_ >= 0 && received.size() < count && !hungUp_) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(giveUp - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd readable{fd_, POLLIN, 0};
    if (::poll(&readable, 1, static_cast<int>(left.count())) <= 0) continue;
    std::uint8_t buffer[512];
    const ssize_t got = ::read(fd_, buffer, std::min(sizeof buffer, count - received.size()));
    if (got > 0) {
      received.insert(received.end(), buffer, buffer + got);
    } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
      hungUp_ = true;  // a pty slave reads EIO (or end of file) once its master is gone
    }
  }
  return received;
}

Bytes ReadRequest() { return {0xFF, 0x00, 0xFF, 0x00}; }

Bytes WriteFrame(const Bytes &image) {
  Bytes frame = image;
  frame.push_back(0x00);
  return frame;
}
