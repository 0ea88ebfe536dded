#include "transmitter.h"

#include <unistd.h>

#include <cerrno>

void Transmitter::Start(std::vector<std::uint8_t> bytes, SimClock::time_point firstByteAt) {
  bytes_ = std::move(bytes);
  sent_ = 0;
  nextDue_ = firstByteAt;
}

void Transmitter::Cancel() {
  bytes_.clear();
  sent_ = 0;
}

std::optional<SimClock::time_point> Transmitter::NextDue() const {
  if (!Pending()) return std::nullopt;
  return nextDue_;
}

Transmitter::Result Transmitter::SendDue(int fd, SimClock::time_point now) {
  while (Pending() && now >= nextDue_) {
    const std::size_t chunk = pacing_ ? 1 : bytes_.size() - sent_;
    const ssize_t written = ::write(fd, bytes_.data() + sent_, chunk);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno == EAGAIN || errno == EWOULDBLOCK ? Result::BLOCKED : Result::FAILED;
    }
    sent_ += static_cast<std::size_t>(written);
    // Like a UART: the next character starts only once this one has left the wire, so a byte that
    // went out late never lets the next one go early.
    if (pacing_) nextDue_ = now + BYTE_TIME_2400_BAUD;
  }
  return Result::DONE_FOR_NOW;
}
