// SPDX-License-Identifier: GPL-3.0-or-later
// zentor-cli keeps every read and write in the history, and 'history' leads back to them.

#include <gtest/gtest.h>

#include <algorithm>

#include "cli_images.h"
#include "cli_process.h"
#include "sample_memory.h"
#include "scratch_history.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes SampleBytes() {
  const RadioMemory sample = BuildSampleMemory();
  return Bytes(sample.begin(), sample.end());
}

Bytes BytesOf(const ChannelImage &image) { return Bytes(image.bytes.begin(), image.bytes.end()); }

// The path printed by 'history --last KIND', without its line end.
std::string LastPath(const std::string &kind) {
  const CliRun run = RunCli({"history", "--last", kind});
  EXPECT_EQ(run.status, 0) << run.err;
  return run.out.empty() ? std::string() : run.out.substr(0, run.out.size() - 1);
}

TEST(CliHistory, LastReadAfterAReadAndAWritePutsBackWhatTheRadioHeld) {
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
  EXPECT_EQ(RunCli({"history", "--last", "erase"}).status, 2);

  // The documented restore: write "$(zentor-cli history --last read)".
  ASSERT_EQ(RunCli({"write", "-p", sim.DevicePath(), lastRead}).status, 0);
  EXPECT_EQ(ReadWholeFile(dir.File("radio.img")), SampleBytes());
}

TEST(CliHistory, AHistoryThatCannotBeWrittenCostsOneLine) {
  ScratchHistory history;
  ASSERT_TRUE(history.Block());
  TempDir dir;
  SimProcess sim({"--no-pacing"});
  const CliRun run = RunCli({"read", "-p", sim.DevicePath(), "-o", dir.File("radio.img")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadWholeFile(dir.File("radio.img")), SampleBytes());
  const std::vector<std::string> complaint = WordsOfLine(run.err, "zentor-cli: history: read not kept:");
  EXPECT_FALSE(complaint.empty()) << run.err;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;  // and "read 187 bytes"
}

}  // namespace
