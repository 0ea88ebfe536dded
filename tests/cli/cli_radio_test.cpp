// SPDX-License-Identifier: GPL-3.0-or-later
// zentor-cli read and write against the simulated radio on its pseudo-terminal, and the history
// they keep.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "cli_images.h"
#include "cli_process.h"
#include "sample_memory.h"
#include "scratch_history.h"
#include "sim_process.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes SampleBytes() {
  const RadioMemory sample = BuildSampleMemory();
  return Bytes(sample.begin(), sample.end());
}

Bytes BytesOf(const ChannelImage &image) { return Bytes(image.bytes.begin(), image.bytes.end()); }

bool Says(const CliRun &run, const std::string &text) { return run.err.find(text) != std::string::npos; }

TEST(CliRadio, ReadSavesAWholeMarkedReplyAndNothingElse) {
  TempDir dir;
  {
    SimProcess sim({"--no-pacing"});
    const CliRun run = RunCli({"read", "-p", sim.DevicePath(), "-o", dir.File("radio.img")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Says(run, "read 187 bytes from " + sim.DevicePath() + " in ")) << run.err;
    EXPECT_EQ(ReadWholeFile(dir.File("radio.img")), SampleBytes());
  }
  const std::vector<std::pair<std::vector<std::string>, std::string>> faults = {
      {{"--fault", "short", "--fault-arg", "186"}, "answered 186 of 187 bytes"},
      {{"--fault", "zero-marker"}, "byte 179 (the reply marker) is 0"},
      {{"--fault", "silent"}, "answered 0 of 187 bytes"},
  };
  for (const auto &[arguments, complaint] : faults) {
    std::vector<std::string> simArguments = {"--no-pacing"};
    simArguments.insert(simArguments.end(), arguments.begin(), arguments.end());
    SimProcess sim(simArguments);
    const CliRun run = RunCli({"read", "-p", sim.DevicePath(), "-o", dir.File("bad.img")});
    EXPECT_EQ(run.status, 1) << complaint;
    EXPECT_TRUE(Says(run, complaint)) << run.err;
    EXPECT_FALSE(ReadWholeFile(dir.File("bad.img")).has_value()) << complaint;
  }
}

TEST(CliRadio, WriteBacksUpThenWritesAndVerifies) {
  TempDir dir;
  ASSERT_TRUE(PutImage(dir.File("new.img"), ValidImage()));
  ASSERT_TRUE(PutImage(dir.File("old.img"), ValidImage()));  // replaced only with --force
  SimProcess sim({"--no-pacing", "--save", dir.File("radio.img")});
  const CliRun run = RunCli({"write", "-p", sim.DevicePath(), dir.File("new.img"), "--backup",
                             dir.File("old.img"), "--force", "--verify"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Says(run, "wrote 188 bytes to " + sim.DevicePath() + " in ")) << run.err;
  EXPECT_TRUE(Says(run, "verified: the radio on " + sim.DevicePath() + " holds")) << run.err;
  EXPECT_EQ(ReadWholeFile(dir.File("old.img")), SampleBytes());
  EXPECT_EQ(ReadWholeFile(dir.File("radio.img")), BytesOf(ValidImage()));
}

TEST(CliRadio, VerifyCatchesARadioThatStoresAByteWrongly) {
  TempDir dir;
  ASSERT_TRUE(PutImage(dir.File("new.img"), ValidImage()));
  SimProcess sim({"--no-pacing", "--fault", "misstore"});  // flips bit 0 of byte 4: channel 1's time limit
  const CliRun run = RunCli({"write", "-p", sim.DevicePath(), dir.File("new.img"), "--verify"});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Says(run, "channel 1 TOT min: 0.3 -> 0.2")) << run.err;
}

TEST(CliRadio, AnEmptyPortNameIsAUsageError) {
  TempDir dir;
  ASSERT_TRUE(PutImage(dir.File("new.img"), ValidImage()));
  const std::vector<std::vector<std::string>> commands = {{"read", "-p", "", "-o", dir.File("radio.img")},
                                                          {"write", "-p", "", dir.File("new.img")}};
  for (const std::vector<std::string> &arguments : commands) {
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, 2) << arguments[0];
    EXPECT_TRUE(Says(run, arguments[0] + ": the port name is empty")) << run.err;
  }
  EXPECT_FALSE(ReadWholeFile(dir.File("radio.img")).has_value());
}

TEST(CliRadio, WriteOfABrokenImageSendsNothing) {
  TempDir dir;
  ChannelImage image = ValidImage();
  image.Record(4)[RecordOffset::TOT] = 101;
  ASSERT_TRUE(PutImage(dir.File("bad.img"), image));
  SimProcess sim({"--no-pacing", "--frames", dir.File("frames")});
  const CliRun run = RunCli({"write", "-p", sim.DevicePath(), dir.File("bad.img"), "--backup", dir.File("old.img")});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Says(run, "channel 5: 发射限时必须大于等于0.1，小于等于10")) << run.err;
  EXPECT_EQ(ReadWholeFile(dir.File("frames")).value_or(Bytes{}), Bytes{});
  EXPECT_FALSE(ReadWholeFile(dir.File("old.img")).has_value());
}

// The path printed by 'history --last KIND', without its line end.
std::string LastPath(const std::string &kind) {
  const CliRun run = RunCli({"history", "--last", kind});
  EXPECT_EQ(run.status, 0) << run.err;
  return run.out.empty() ? std::string() : run.out.substr(0, run.out.size() - 1);
}

TEST(CliRadio, HistoryLastReadAfterAReadAndAWritePutsBackWhatTheRadioHeld) {
  ScratchHistory history;
  TempDir dir;
  ASSERT_TRUE(PutImage(dir.File("new.img"), ValidImage()));
  SimProcess sim({"--no-pacing", "--save", dir.File("radio.img")});
  ASSERT_EQ(RunCli({"read", "-p", sim.DevicePath(), "-o", dir.File("read.img")}).status, 0);
  ASSERT_EQ(RunCli({"write", "-p", sim.DevicePath(), dir.File("new.img")}).status, 0);

  const std::string lastRead = LastPath("read");
  EXPECT_EQ(lastRead.rfind(history.Folder() + "/", 0), 0u) << lastRead;
  EXPECT_EQ(ReadWholeFile(lastRead), SampleBytes());
  EXPECT_EQ(ReadWholeFile(LastPath("write")), BytesOf(ValidImage()));

  const CliRun list = RunCli({"history"});
  ASSERT_EQ(list.status, 0) << list.err;
  EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 2) << list.out;
  const std::vector<std::string> newest = WordsOfLine(list.out, "");
  ASSERT_EQ(newest.size(), 7u) << list.out;  // date, time, kind, device, count, "channels", path
  EXPECT_EQ(newest[2], "write");
  EXPECT_EQ(newest[4], "2");  // ValidImage sets channels 1 and 2

  // The documented restore: write "$(zentor-cli history --last read)". The radio stores the
  // frame after it has left the port, so its memory file may lag a moment behind the command.
  ASSERT_EQ(RunCli({"write", "-p", sim.DevicePath(), lastRead}).status, 0);
  for (int wait = 0; wait < 100 && ReadWholeFile(dir.File("radio.img")) != SampleBytes(); ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_EQ(ReadWholeFile(dir.File("radio.img")), SampleBytes());
}

TEST(CliRadio, HistoryThatCannotBeWrittenCostsOneLine) {
  ScratchHistory history;
  ASSERT_TRUE(history.Block());
  TempDir dir;
  SimProcess sim({"--no-pacing"});
  const CliRun run = RunCli({"read", "-p", sim.DevicePath(), "-o", dir.File("radio.img")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadWholeFile(dir.File("radio.img")), SampleBytes());
  EXPECT_TRUE(Says(run, "zentor-cli: history: read not kept: cannot make the folder")) << run.err;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;  // and "read 187 bytes"
}

}  // namespace
