// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame_receiver.h"

#include <algorithm>

std::size_t FrameReceiver::Feed(const std::uint8_t *bytes, std::size_t count, SimClock::time_point now) {
  if (count == 0) return 0;
  const std::size_t dropped = ExpirePartial(now);
  buffer_.insert(buffer_.end(), bytes, bytes + count);
  lastByte_ = now;
  return dropped;
}

std::optional<ReceivedFrame> FrameReceiver::Next() {
  // A request is recognised only at the start of the buffer, before any frame length is counted.
  // A write frame whose image began with FF 00 FF 00 would be taken for a request, and its other
  // 184 bytes dropped after the gap. That needs a receive frequency of 1671.1935 MHz in channel 1,
  // which no programmer accepts for this radio, so the request is given priority.
  if (buffer_.size() >= READ_REQUEST_BYTES.size() &&
      std::equal(READ_REQUEST_BYTES.begin(), READ_REQUEST_BYTES.end(), buffer_.begin())) {
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(READ_REQUEST_BYTES.size()));
    return ReceivedFrame{};
  }
  if (buffer_.size() < WRITE_FRAME_SIZE) return std::nullopt;

  ReceivedFrame frame;
  frame.kind = FrameKind::WRITE_FRAME;
  std::copy_n(buffer_.begin(), IMAGE_SIZE, frame.image.begin());
  frame.trailer = buffer_[IMAGE_SIZE];
  buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(WRITE_FRAME_SIZE));
  return frame;
}

std::size_t FrameReceiver::ExpirePartial(SimClock::time_point now) {
  if (buffer_.empty() || now - lastByte_ < gap_) return 0;
  const std::size_t dropped = buffer_.size();
  buffer_.clear();
  return dropped;
}

std::optional<SimClock::time_point> FrameReceiver::ExpiryTime() const {
  if (buffer_.empty()) return std::nullopt;
  return lastByte_ + gap_;
}
