// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator as a programmer meets it: a real pseudo-terminal, real bytes, real files.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <numeric>

#include "raw_port.h"
#include "sample_layout_check.h"
#include "sim_process.h"

namespace {

using std::chrono::milliseconds;

constexpr milliseconds REPLY_LIMIT{5000};
constexpr milliseconds QUIET_WAIT{300};

// An image unlike the sample in every byte, marker nonzero.
Bytes TestImage() {
  Bytes image(187);
  std::iota(image.begin(), image.end(), std::uint8_t{0x30});
  return image;
}

std::string LinkTarget(const std::string &path) {
  char buffer[4096];
  const ssize_t length = ::readlink(path.c_str(), buffer, sizeof buffer);
  return length < 0 ? std::string() : std::string(buffer, static_cast<std::size_t>(length));
}

bool PathExists(const std::string &path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

TEST(RadioSim, ReadRequestIsAnsweredWithTheSampleMemory) {
  SimProcess sim({"--no-pacing"});
  ASSERT_FALSE(sim.DevicePath().empty()) << sim.Log();
  RawPort port(sim.DevicePath());
  ASSERT_TRUE(port.IsOpen());
  ASSERT_TRUE(port.Send(ReadRequest()));
  const Bytes reply = port.Receive(187, REPLY_LIMIT);
  ExpectSampleLayoutRules(reply);
  EXPECT_TRUE(port.Receive(1, QUIET_WAIT).empty()) << "nothing may follow the 187 bytes";
  EXPECT_EQ(sim.Stop(), 0);
}

TEST(RadioSim, LineIsRawAt2400BaudBeforeTheProgrammerSetsIt) {
  // Looked at without changing anything: an echoing line would send the request straight back
  // as the start of the reply.
  SimProcess sim({"--no-pacing"});
  ASSERT_FALSE(sim.DevicePath().empty()) << sim.Log();
  const int fd = ::open(sim.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  termios line{};
  ASSERT_EQ(::tcgetattr(fd, &line), 0);
  ::close(fd);
  EXPECT_EQ(line.c_lflag & (ECHO | ICANON | ISIG | IEXTEN), 0u);
  EXPECT_EQ(line.c_iflag & (ICRNL | INLCR | IGNCR | IXON | ISTRIP), 0u);
  EXPECT_EQ(line.c_oflag & OPOST, 0u);
  EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB), 0u);
  EXPECT_EQ(::cfgetispeed(&line), static_cast<speed_t>(B2400));
  EXPECT_EQ(::cfgetospeed(&line), static_cast<speed_t>(B2400));
}

TEST(RadioSim, WriteFrameGetsNoAnswerAndIsReadBackWhole) {
  SimProcess sim({"--no-pacing"});
  RawPort port(sim.DevicePath());
  ASSERT_TRUE(port.IsOpen()) << sim.Log();
  ASSERT_TRUE(port.Send(WriteFrame(TestImage())));
  ASSERT_TRUE(sim.WaitForLog("write frame: stored", REPLY_LIMIT)) << sim.Log();
  EXPECT_TRUE(port.Receive(1, QUIET_WAIT).empty()) << "a write frame is never answered or echoed";
  ASSERT_TRUE(port.Send(ReadRequest()));
  EXPECT_EQ(port.Receive(187, REPLY_LIMIT), TestImage());
}

TEST(RadioSim, FrameAndRequestSentBackToBackAreBothServed) {
  SimProcess sim({"--no-pacing"});
  RawPort port(sim.DevicePath());
  ASSERT_TRUE(port.IsOpen()) << sim.Log();
  Bytes both = WriteFrame(TestImage());
  const Bytes request = ReadRequest();
  both.insert(both.end(), request.begin(), request.end());
  ASSERT_TRUE(port.Send(both));
  EXPECT_EQ(port.Receive(187, REPLY_LIMIT), TestImage());
}

TEST(RadioSim, PacedReplyArrivesComplete) {
  SimProcess sim({});
  RawPort port(sim.DevicePath());
  ASSERT_TRUE(port.IsOpen()) << sim.Log();
  ASSERT_TRUE(port.Send(ReadRequest()));
  const Bytes reply = port.Receive(187, milliseconds(10000));
  ExpectSampleLayoutRules(reply);
  ASSERT_TRUE(port.Send(WriteFrame(TestImage())));
  ASSERT_TRUE(port.Send(ReadRequest()));
  EXPECT_EQ(port.Receive(187, milliseconds(10000)), TestImage());
}

TEST(RadioSim, PortCanBeClosedAndReopenedBetweenTransfers) {
  SimProcess sim({"--no-pacing"});
  for (int transfer = 0; transfer < 3; ++transfer) {
    RawPort port(sim.DevicePath());
    ASSERT_TRUE(port.IsOpen()) << "transfer " << transfer << "\n" << sim.Log();
    ASSERT_TRUE(port.Send(ReadRequest()));
    EXPECT_EQ(port.Receive(187, REPLY_LIMIT).size(), 187u) << "transfer " << transfer;
    EXPECT_FALSE(port.HungUp());
  }
}

TEST(RadioSim, ReplySentAfterThePortWasClosedIsLost) {
  // Like a real cable: what the radio sends while no program holds the port goes nowhere, and
  // must not turn up as the start of the next read.
  SimProcess sim({"--no-pacing", "--fault", "delay", "--fault-arg", "200"});
  {
    RawPort port(sim.DevicePath());
    ASSERT_TRUE(port.IsOpen()) << sim.Log();
    ASSERT_TRUE(port.Send(ReadRequest()));
    ASSERT_TRUE(sim.WaitForLog("read request: answering", REPLY_LIMIT)) << sim.Log();
  }
  // Both, in whichever order the simulator saw them: the discard follows the later of the two.
  ASSERT_TRUE(sim.WaitForLog("reply sent", REPLY_LIMIT)) << sim.Log();
  ASSERT_TRUE(sim.WaitForLog("the programmer closed the port", REPLY_LIMIT)) << sim.Log();
  RawPort port(sim.DevicePath());
  ASSERT_TRUE(port.IsOpen());
  EXPECT_TRUE(port.Receive(1, QUIET_WAIT).empty());
}

TEST(RadioSim, PartialFrameIsDroppedAfterSilence) {
  SimProcess sim({"--no-pacing"});
  RawPort port(sim.DevicePath());
  ASSERT_TRUE(port.IsOpen()) << sim.Log();
  ASSERT_TRUE(port.Send(Bytes(100, 0x11)));
  ASSERT_TRUE(sim.WaitForLog("dropped 100 bytes", REPLY_LIMIT)) << sim.Log();
  ASSERT_TRUE(port.Send(ReadRequest()));
  ExpectSampleLayoutRules(port.Receive(187, REPLY_LIMIT));
}

TEST(RadioSim, SaveFileHoldsTheMemoryAfterEachWrite) {
  TempDir dir;
  const std::string save = dir.File("memory.bin");
  SimProcess sim({"--no-pacing", "--save", save});
  RawPort port(sim.DevicePath());
  ASSERT_TRUE(port.IsOpen()) << sim.Log();
  EXPECT_FALSE(PathExists(save)) << "nothing is saved before a write";
  ASSERT_TRUE(port.Send(WriteFrame(TestImage())));
  ASSERT_TRUE(sim.WaitForLog("write frame: stored", REPLY_LIMIT)) << sim.Log();
  EXPECT_EQ(ReadWholeFile(save), TestImage());

  Bytes second = TestImage();
  second[179] = 0x77;
  second[0] = 0x3D;
  ASSERT_TRUE(port.Send(WriteFrame(second)));
  ASSERT_TRUE(port.Send(ReadRequest()));
  ASSERT_EQ(port.Receive(187, REPLY_LIMIT), second);
  EXPECT_EQ(ReadWholeFile(save), second);
}

TEST(RadioSim, FramesFileRecordsExactlyTheBytesReceived) {
  TempDir dir;
  const std::string frames = dir.File("frames.bin");
  SimProcess sim({"--no-pacing", "--frames", frames});
  RawPort port(sim.DevicePath());
  ASSERT_TRUE(port.IsOpen()) << sim.Log();
  EXPECT_EQ(ReadWholeFile(frames), Bytes{}) << "created empty, so 'nothing was sent' can be checked";
  ASSERT_TRUE(port.Send(ReadRequest()));
  ASSERT_EQ(port.Receive(187, REPLY_LIMIT).size(), 187u);
  ASSERT_TRUE(port.Send(WriteFrame(TestImage())));
  ASSERT_TRUE(sim.WaitForLog("write frame: stored", REPLY_LIMIT)) << sim.Log();
  Bytes expected = ReadRequest();
  const Bytes frame = WriteFrame(TestImage());
  expected.insert(expected.end(), frame.begin(), frame.end());
  EXPECT_EQ(ReadWholeFile(frames), expected);
}

TEST(RadioSim, MemoryFileIsAnsweredUnchanged) {
  TempDir dir;
  const std::string memory = dir.File("start.bin");
  ASSERT_TRUE(WriteWholeFile(memory, TestImage()));
  SimProcess sim({"--no-pacing", "--memory", memory});
  RawPort port(sim.DevicePath());
  ASSERT_TRUE(port.IsOpen()) << sim.Log();
  ASSERT_TRUE(port.Send(ReadRequest()));
  EXPECT_EQ(port.Receive(187, REPLY_LIMIT), TestImage());
}

TEST(RadioSim, MemoryFileOfAnotherLengthIsRefused) {
  TempDir dir;
  for (std::size_t length : {0u, 186u, 188u}) {
    const std::string memory = dir.File("wrong.bin");
    ASSERT_TRUE(WriteWholeFile(memory, Bytes(length, 0x01)));
    SimProcess sim({"--memory", memory});
    EXPECT_TRUE(sim.DevicePath().empty()) << length;
    EXPECT_EQ(sim.WaitForExit(milliseconds(10000)), 1) << length;
    EXPECT_NE(sim.Log().find("exactly 187 bytes"), std::string::npos) << sim.Log();
  }
}

TEST(RadioSim, LinkPointsAtTheDeviceAndIsRemovedOnExit) {
  TempDir dir;
  const std::string link = dir.File("radio");
  ASSERT_EQ(::symlink("/nonexistent/old-radio", link.c_str()), 0);
  SimProcess sim({"--no-pacing", "--link", link});
  ASSERT_FALSE(sim.DevicePath().empty()) << sim.Log();
  EXPECT_EQ(LinkTarget(link), sim.DevicePath()) << "an old symlink is replaced";
  {
    RawPort port(link);
    ASSERT_TRUE(port.IsOpen());
    ASSERT_TRUE(port.Send(ReadRequest()));
    EXPECT_EQ(port.Receive(187, REPLY_LIMIT).size(), 187u);
  }
  EXPECT_EQ(sim.Stop(), 0);
  EXPECT_FALSE(PathExists(link));
}

TEST(RadioSim, LinkNeverReplacesARegularFile) {
  TempDir dir;
  const std::string file = dir.File("radio");
  ASSERT_TRUE(WriteWholeFile(file, Bytes{1, 2, 3}));
  SimProcess sim({"--link", file});
  EXPECT_TRUE(sim.DevicePath().empty());
  EXPECT_EQ(sim.WaitForExit(milliseconds(10000)), 1);
  EXPECT_EQ(ReadWholeFile(file), (Bytes{1, 2, 3}));
}

TEST(RadioSim, OnceEndsAfterTheFirstCompleteTransfer) {
  {
    SimProcess sim({"--once"});
    RawPort port(sim.DevicePath());
    ASSERT_TRUE(port.IsOpen()) << sim.Log();
    ASSERT_TRUE(port.Send(ReadRequest()));
    EXPECT_EQ(port.Receive(187, milliseconds(10000)).size(), 187u) << "the paced reply is finished first";
    EXPECT_EQ(sim.WaitForExit(milliseconds(10000)), 0);
  }
  {
    SimProcess sim({"--once", "--no-pacing"});
    RawPort port(sim.DevicePath());
    ASSERT_TRUE(port.IsOpen()) << sim.Log();
    ASSERT_TRUE(port.Send(WriteFrame(TestImage())));
    EXPECT_EQ(sim.WaitForExit(milliseconds(10000)), 0);
  }
}

TEST(RadioSim, BadCommandLineExitsWithStatus2AndNoDevice) {
  SimProcess sim({"--fault", "loud"});
  EXPECT_TRUE(sim.DevicePath().empty());
  EXPECT_EQ(sim.WaitForExit(milliseconds(10000)), 2);
  EXPECT_NE(sim.Log().find("unknown fault"), std::string::npos) << sim.Log();
}
