// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cuts the raw byte stream from the programmer into read requests and write frames. The line
// has no framing, so the receiver goes by the request's fixed bytes, the frame length and
// silence on the line.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "sample_memory.h"

constexpr std::array<std::uint8_t, 4> READ_REQUEST_BYTES = {0xFF, 0x00, 0xFF, 0x00};
constexpr std::size_t WRITE_FRAME_SIZE = IMAGE_SIZE + 1;  // the image and a trailing 0x00

// Silence after which a partial frame is given up: far longer than one character at 2400 baud
// (4.2 ms), far shorter than the programmer's pause between two transfers.
constexpr std::chrono::milliseconds DEFAULT_FRAME_GAP{300};

using SimClock = std::chrono::steady_clock;

enum class FrameKind { READ_REQUEST, WRITE_FRAME };

struct ReceivedFrame {
  FrameKind kind = FrameKind::READ_REQUEST;
  RadioMemory image{};         // WRITE_FRAME only: frame bytes 0 to 186
  std::uint8_t trailer = 0;    // WRITE_FRAME only: frame byte 187, 0x00 from a correct sender
};

class FrameReceiver {
 public:
  explicit FrameReceiver(SimClock::duration gap = DEFAULT_FRAME_GAP) : gap_(gap) {}

  // Adds bytes that arrived at `now`. Bytes still waiting from before a gap are dropped first;
  // returns how many.
  std::size_t Feed(const std::uint8_t *bytes, std::size_t count, SimClock::time_point now);

  // The next complete request or frame at the front of the buffer, if there is one.
  std::optional<ReceivedFrame> Next();

  // Drops a partial frame once the line has been silent for the gap; returns how many bytes were
  // dropped.
  std::size_t ExpirePartial(SimClock::time_point now);

  // When ExpirePartial would next drop something; nothing while the buffer is empty.
  std::optional<SimClock::time_point> ExpiryTime() const;

  std::size_t Pending() const { return buffer_.size(); }

 private:
  SimClock::duration gap_;
  SimClock::time_point lastByte_{};
  std::vector<std::uint8_t> buffer_;
};
