// SPDX-License-Identifier: GPL-3.0-or-later
#include "transmitter.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

void Transmitter::Start(std::vector<std::uint8_t> bytes, SimClock::time_point firstByteAt, std::size_t pauseAfter,
                        SimClock::duration pause) {
  bytes_ = std::move(bytes);
  sent_ = 0;
  nextDue_ = firstByteAt;
  pauseAfter_ = pauseAfter;
  pause_ = pause;
  if (pauseAfter == 0) nextDue_ += pause;  // silent before the first byte
}

void Transmitter::Cancel() {
  bytes_.clear();
  sent_ = 0;
  pause_ = SimClock::duration::zero();
}

std::optional<SimClock::time_point> Transmitter::NextDue() const {
  if (!Pending()) return std::nullopt;
  return nextDue_;
}

Transmitter::Result Transmitter::SendDue(int fd, SimClock::time_point now) {
  while (Pending() && now >= nextDue_) {
    const bool pauseAhead = pause_ > SimClock::duration::zero() && sent_ < pauseAfter_;
    std::size_t chunk = pacing_ ? 1 : bytes_.size() - sent_;
    if (pauseAhead) chunk = std::min(chunk, pauseAfter_ - sent_);
    const ssize_t written = ::write(fd, bytes_.data() + sent_, chunk);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno == EAGAIN || errno == EWOULDBLOCK ? Result::BLOCKED : Result::FAILED;
    }
    sent_ += static_cast<std::size_t>(written);
    // Like a UART: the next character starts only once this one has left the wire, so a byte that
    // went out late never lets the next one go early.
    if (pacing_) nextDue_ = now + BYTE_TIME_2400_BAUD;
    if (pauseAhead && sent_ == pauseAfter_) nextDue_ = (pacing_ ? nextDue_ : now) + pause_;
  }
  return Result::DONE_FOR_NOW;
}
