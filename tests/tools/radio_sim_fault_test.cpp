// SPDX-License-Identifier: GPL-3.0-or-later
// Each fault of the simulator, seen from the programmer's side of a real pseudo-terminal.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "raw_port.h"
#include "reply_plan.h"
#include "sample_layout_check.h"
#include "sample_memory.h"
#include "sim_process.h"

namespace {

using std::chrono::milliseconds;

constexpr milliseconds REPLY_LIMIT{5000};
constexpr milliseconds QUIET_WAIT{300};

Bytes Sample() {
  const RadioMemory memory = BuildSampleMemory();
  return Bytes(memory.begin(), memory.end());
}

Bytes FirstBytes(const Bytes &bytes, std::size_t count) {
  return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
}

// Sends one read request and collects what comes back within the reply limit, up to `expect`
// bytes and one more, so a reply that is too long shows.
Bytes RequestReply(SimProcess &sim, std::size_t expect) {
  RawPort port(sim.DevicePath());
  EXPECT_TRUE(port.IsOpen()) << sim.Log();
  if (!port.IsOpen() || !port.Send(ReadRequest())) return {};
  Bytes reply = port.Receive(expect, REPLY_LIMIT);
  const Bytes extra = port.Receive(1, QUIET_WAIT);
  reply.insert(reply.end(), extra.begin(), extra.end());
  return reply;
}

}  // namespace

TEST(RadioSimFault, ShortSendsOnlyTheFirstNBytes) {
  SimProcess sim({"--no-pacing", "--fault", "short", "--fault-arg", "100"});
  EXPECT_EQ(RequestReply(sim, 100), FirstBytes(Sample(), 100));
}

TEST(RadioSimFault, ZeroMarkerDiffersFromTheSampleOnlyInByte179) {
  SimProcess sim({"--no-pacing", "--fault", "zero-marker"});
  Bytes expected = Sample();
  expected[179] = 0;
  EXPECT_EQ(RequestReply(sim, 187), expected);
}

TEST(RadioSimFault, LongSendsTheMemoryThenNExtraBytes) {
  SimProcess sim({"--no-pacing", "--fault", "long", "--fault-arg", "10"});
  Bytes expected = Sample();
  expected.insert(expected.end(), 10, LONG_REPLY_FILLER);
  EXPECT_EQ(RequestReply(sim, 197), expected);
}

TEST(RadioSimFault, GarbageFollowsItsSeedAndItsMarkerFollowsTheParity) {
  for (std::uint32_t seed : {4u, 5u}) {
    SimProcess sim({"--no-pacing", "--fault", "garbage", "--fault-arg", std::to_string(seed)});
    const Bytes reply = RequestReply(sim, 187);
    const RadioMemory expected = GarbageMemory(seed);
    EXPECT_EQ(reply, Bytes(expected.begin(), expected.end())) << "seed " << seed;
    ASSERT_EQ(reply.size(), 187u);
    EXPECT_EQ(reply[179] != 0, seed % 2 == 1) << "seed " << seed;
  }
}

TEST(RadioSimFault, SilentNeverAnswersButStillStoresWrites) {
  TempDir dir;
  const std::string save = dir.File("memory.bin");
  SimProcess sim({"--no-pacing", "--fault", "silent", "--save", save});
  RawPort port(sim.DevicePath());
  ASSERT_TRUE(port.IsOpen()) << sim.Log();
  ASSERT_TRUE(port.Send(ReadRequest()));
  ASSERT_TRUE(sim.WaitForLog("read request: not answered", REPLY_LIMIT)) << sim.Log();
  EXPECT_TRUE(port.Receive(1, milliseconds(1000)).empty());

  Bytes image = Sample();
  image[0] = 0x3E;
  ASSERT_TRUE(port.Send(WriteFrame(image)));
  ASSERT_TRUE(sim.WaitForLog("write frame: stored", REPLY_LIMIT)) << sim.Log();
  EXPECT_EQ(ReadWholeFile(save), image);
}

TEST(RadioSimFault, DelayHoldsTheReplyBackThenSendsItWhole) {
  SimProcess sim({"--no-pacing", "--fault", "delay", "--fault-arg", "1500"});
  RawPort port(sim.DevicePath());
  ASSERT_TRUE(port.IsOpen()) << sim.Log();
  ASSERT_TRUE(port.Send(ReadRequest()));
  // Only a lower bound: the simulator may be slow to answer, never early.
  EXPECT_TRUE(port.Receive(1, QUIET_WAIT).empty());
  const Bytes reply = port.Receive(187, milliseconds(10000));
  EXPECT_EQ(reply, Sample());
}

TEST(RadioSimFault, HangupSendsNBytesThenTheDeviceDisappears) {
  TempDir dir;
  const std::string link = dir.File("radio");
  SimProcess sim({"--no-pacing", "--fault", "hangup", "--fault-arg", "20", "--link", link});
  RawPort port(sim.DevicePath());
  ASSERT_TRUE(port.IsOpen()) << sim.Log();
  ASSERT_TRUE(port.Send(ReadRequest()));
  const Bytes received = port.Receive(187, milliseconds(10000));
  EXPECT_TRUE(port.HungUp()) << "the reader must see the hang-up, not a time-out";
  EXPECT_EQ(received, FirstBytes(Sample(), 20));
  EXPECT_EQ(sim.WaitForExit(milliseconds(10000)), 0);
  struct stat info {};
  EXPECT_NE(::lstat(link.c_str(), &info), 0) << "the link goes with the device";
}

TEST(RadioSimFault, RefusePublishesAPathThatCannotBeOpened) {
  TempDir dir;
  const std::string link = dir.File("radio");
  SimProcess sim({"--fault", "refuse", "--link", link});
  ASSERT_FALSE(sim.DevicePath().empty()) << sim.Log();
  struct stat info {};
  EXPECT_EQ(::stat(link.c_str(), &info), 0) << "the path exists, so a script waiting for it goes on";
  for (const std::string &path : {link, sim.DevicePath()}) {
    RawPort port(path);
    EXPECT_FALSE(port.IsOpen()) << path;
    EXPECT_NE(port.OpenError(), 0) << path;
  }
  EXPECT_EQ(sim.Stop(), 0);
  EXPECT_NE(::lstat(link.c_str(), &info), 0);
  EXPECT_NE(::lstat(sim.DevicePath().c_str(), &info), 0) << "the refused path is cleaned up";
}

TEST(RadioSimFault, MisstoreKeepsOneByteWrongAndAnswersWithIt) {
  TempDir dir;
  const std::string save = dir.File("memory.bin");
  SimProcess sim({"--no-pacing", "--fault", "misstore", "--fault-arg", "186", "--save", save});
  RawPort port(sim.DevicePath());
  ASSERT_TRUE(port.IsOpen()) << sim.Log();
  const Bytes image = Sample();
  ASSERT_TRUE(port.Send(WriteFrame(image)));
  ASSERT_TRUE(sim.WaitForLog("write frame: stored", REPLY_LIMIT)) << sim.Log();
  Bytes expected = image;
  expected[186] ^= 0x01;
  EXPECT_EQ(ReadWholeFile(save), expected);
  ASSERT_TRUE(port.Send(ReadRequest()));
  EXPECT_EQ(port.Receive(188, milliseconds(3000)), expected);
}
