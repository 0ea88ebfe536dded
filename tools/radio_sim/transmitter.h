// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts a reply on the line, byte by byte at the pace of a 2400-baud line or all at once. A pty
// takes bytes as fast as they are written, so without pacing the programmer would never see a
// transfer take the 0.78 s it takes on the radio's cable.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "frame_receiver.h"

// One character is 10 bit times (start, 8 data, stop) at 2400 baud.
constexpr std::chrono::microseconds BYTE_TIME_2400_BAUD{4167};

class Transmitter {
 public:
  explicit Transmitter(bool pacing) : pacing_(pacing) {}

  // Replaces whatever was still to be sent; the first byte goes out at `firstByteAt`. With a
  // nonzero `pause`, the line stays silent that long once `pauseAfter` bytes are out.
  void Start(std::vector<std::uint8_t> bytes, SimClock::time_point firstByteAt, std::size_t pauseAfter = 0,
             SimClock::duration pause = SimClock::duration::zero());
  void Cancel();

  bool Pending() const { return sent_ < bytes_.size(); }
  std::size_t Sent() const { return sent_; }

  // When the next byte is due; nothing when all is sent.
  std::optional<SimClock::time_point> NextDue() const;

  enum class Result { DONE_FOR_NOW, BLOCKED, FAILED };
  // Writes what is due at `now`. BLOCKED: the line takes no more now, wait until `fd` is
  // writable. FAILED: the write failed for another reason, errno tells why.
  Result SendDue(int fd, SimClock::time_point now);

 private:
  bool pacing_;
  std::vector<std::uint8_t> bytes_;
  std::size_t sent_ = 0;
  SimClock::time_point nextDue_{};
  std::size_t pauseAfter_ = 0;
  SimClock::duration pause_{};
};
