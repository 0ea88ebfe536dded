// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_use_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

PortUseWatch::~PortUseWatch() {
  if (fd_ >= 0) ::close(fd_);
}

std::string PortUseWatch::Start(const std::string &devicePath) {
  fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd_ < 0) return std::string("inotify_init1: ") + std::strerror(errno);
  if (::inotify_add_watch(fd_, devicePath.c_str(), IN_OPEN | IN_CLOSE) < 0) {
    const std::string message = "inotify_add_watch " + devicePath + ": " + std::strerror(errno);
    ::close(fd_);
    fd_ = -1;
    return message;
  }
  return {};
}

bool PortUseWatch::Update() {
  if (fd_ < 0) return false;
  bool leftUnused = false;
  alignas(inotify_event) char buffer[4096];
  for (;;) {
    const ssize_t length = ::read(fd_, buffer, sizeof buffer);
    if (length <= 0) break;
    for (ssize_t offset = 0; offset < length;) {
      inotify_event event;
      std::memcpy(&event, buffer + offset, sizeof event);
      if (event.mask & IN_OPEN) ++users_;
      // Checked at every close, not only after the batch: a close and a reopen read together
      // must still discard what was sent in between.
      if ((event.mask & IN_CLOSE) && users_ > 0 && --users_ == 0) leftUnused = true;
      // Lost events leave the count unknown; assuming a listener is the harmless mistake.
      if (event.mask & IN_Q_OVERFLOW) users_ = 1;
      offset += static_cast<ssize_t>(sizeof event + event.len);
    }
  }
  return leftUnused;
}
