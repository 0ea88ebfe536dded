// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <numeric>

#include "frame_receiver.h"

namespace {

using std::chrono::milliseconds;

const SimClock::time_point T0 = SimClock::time_point{} + std::chrono::hours(1);

std::vector<std::uint8_t> Request() { return {0xFF, 0x00, 0xFF, 0x00}; }

std::vector<std::uint8_t> Frame(std::uint8_t first, std::uint8_t trailer = 0x00) {
  std::vector<std::uint8_t> frame(WRITE_FRAME_SIZE);
  std::iota(frame.begin(), frame.end(), first);
  frame.back() = trailer;
  return frame;
}

void Feed(FrameReceiver &receiver, const std::vector<std::uint8_t> &bytes, SimClock::time_point at) {
  receiver.Feed(bytes.data(), bytes.size(), at);
}

}  // namespace

TEST(FrameReceiver, RequestIsRecognisedEvenWhenSplitAcrossReads) {
  FrameReceiver receiver;
  Feed(receiver, {0xFF, 0x00}, T0);
  EXPECT_FALSE(receiver.Next());
  Feed(receiver, {0xFF}, T0 + milliseconds(5));
  EXPECT_FALSE(receiver.Next());
  Feed(receiver, {0x00}, T0 + milliseconds(10));
  const auto frame = receiver.Next();
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->kind, FrameKind::READ_REQUEST);
  EXPECT_EQ(receiver.Pending(), 0u);
  EXPECT_FALSE(receiver.Next());
}

TEST(FrameReceiver, WriteFrameGivesImageBytesAndTrailer) {
  FrameReceiver receiver;
  const auto bytes = Frame(1, 0x42);
  Feed(receiver, std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1), T0);
  EXPECT_FALSE(receiver.Next()) << "187 bytes are not yet a frame";
  Feed(receiver, {bytes.back()}, T0 + milliseconds(4));
  const auto frame = receiver.Next();
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->kind, FrameKind::WRITE_FRAME);
  EXPECT_TRUE(std::equal(frame->image.begin(), frame->image.end(), bytes.begin()));
  EXPECT_EQ(frame->trailer, 0x42);
}

TEST(FrameReceiver, FrameAndRequestInOneReadComeOutInOrder) {
  FrameReceiver receiver;
  auto bytes = Frame(7);
  const auto request = Request();
  bytes.insert(bytes.end(), request.begin(), request.end());
  bytes.insert(bytes.end(), request.begin(), request.end());
  Feed(receiver, bytes, T0);
  EXPECT_EQ(receiver.Next()->kind, FrameKind::WRITE_FRAME);
  EXPECT_EQ(receiver.Next()->kind, FrameKind::READ_REQUEST);
  EXPECT_EQ(receiver.Next()->kind, FrameKind::READ_REQUEST);
  EXPECT_FALSE(receiver.Next());
}

TEST(FrameReceiver, FrameThatStartsLikeHalfARequestIsStillAFrame) {
  FrameReceiver receiver;
  auto bytes = Frame(0);
  bytes[0] = 0xFF;
  bytes[1] = 0x00;
  bytes[2] = 0xFF;
  bytes[3] = 0x01;
  Feed(receiver, bytes, T0);
  const auto frame = receiver.Next();
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->kind, FrameKind::WRITE_FRAME);
  EXPECT_EQ(frame->image[3], 0x01);
}

// The documented trade-off: request bytes at the start always win.
TEST(FrameReceiver, FrameThatStartsWithTheWholeRequestIsTakenForARequest) {
  FrameReceiver receiver;
  auto bytes = Frame(0);
  std::copy(READ_REQUEST_BYTES.begin(), READ_REQUEST_BYTES.end(), bytes.begin());
  Feed(receiver, bytes, T0);
  EXPECT_EQ(receiver.Next()->kind, FrameKind::READ_REQUEST);
  EXPECT_FALSE(receiver.Next());
  EXPECT_EQ(receiver.ExpirePartial(T0 + DEFAULT_FRAME_GAP), WRITE_FRAME_SIZE - 4);
}

TEST(FrameReceiver, PartialFrameIsDroppedOnlyAfterTheFullGap) {
  FrameReceiver receiver;
  const auto bytes = Frame(3);
  Feed(receiver, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 100), T0);
  ASSERT_TRUE(receiver.ExpiryTime());
  EXPECT_EQ(*receiver.ExpiryTime(), T0 + DEFAULT_FRAME_GAP);
  EXPECT_EQ(receiver.ExpirePartial(T0 + DEFAULT_FRAME_GAP - milliseconds(1)), 0u);
  EXPECT_EQ(receiver.Pending(), 100u);
  EXPECT_EQ(receiver.ExpirePartial(T0 + DEFAULT_FRAME_GAP), 100u);
  EXPECT_EQ(receiver.Pending(), 0u);
  EXPECT_FALSE(receiver.ExpiryTime());
}

TEST(FrameReceiver, BytesAfterASilenceStartAFreshFrame) {
  FrameReceiver receiver;
  const auto bytes = Frame(3);
  Feed(receiver, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 100), T0);
  const auto request = Request();
  EXPECT_EQ(receiver.Feed(request.data(), request.size(), T0 + milliseconds(400)), 100u);
  EXPECT_EQ(receiver.Next()->kind, FrameKind::READ_REQUEST);
  EXPECT_EQ(receiver.Pending(), 0u);
}

TEST(FrameReceiver, SteadyTrickleIsNotCutByTheGap) {
  // A frame at 2400 baud takes 780 ms, far longer than the gap; only the silence between bytes
  // counts.
  FrameReceiver receiver;
  const auto bytes = Frame(9);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    receiver.Feed(&bytes[i], 1, T0 + std::chrono::microseconds(4167) * static_cast<int>(i));
  }
  const auto frame = receiver.Next();
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->kind, FrameKind::WRITE_FRAME);
  EXPECT_EQ(frame->image[186], bytes[186]);
}
