// SPDX-License-Identifier: GPL-3.0-or-later
// What zentor-cli keeps in the history and when it says so, and how 'history' shows names that
// no terminal should print as they are.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>
#include <sstream>

#include "cli_images.h"
#include "cli_process.h"
#include "sample_memory.h"
#include "scratch_history.h"
#include "sim_process.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::string LastPath(const std::string &kind) {
  const CliRun run = RunCli({"history", "--last", kind});
  EXPECT_EQ(run.status, 0) << run.err;
  return run.out.empty() ? std::string() : run.out.substr(0, run.out.size() - 1);
}

// What a shell's printf '%b' makes of pathBytes.
std::string FromEscapedBytes(const std::string &escaped) {
  std::string bytes;
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '\\') {
      bytes += escaped[i];
    } else if (escaped.compare(i, 2, "\\\\") == 0) {
      bytes += '\\';
      ++i;
    } else {
      bytes += static_cast<char>(std::stoi(escaped.substr(i + 2, 2), nullptr, 16));
      i += 3;
    }
  }
  return bytes;
}

// The dealer's command on a fresh simulated radio: write new.img, keep old.img, read back.
CliRun DealersWrite(const TempDir &dir) {
  if (!PutImage(dir.File("new.img"), ValidImage())) return CliRun{};
  SimProcess sim({"--no-pacing"});
  return RunCli({"write", "-p", sim.DevicePath(), dir.File("new.img"), "--backup", dir.File("old.img"), "--verify"});
}

TEST(CliHistory, AVerifiedWriteKeepsItsReadBackApartFromTheBackupRead) {
  ScratchHistory history;
  TempDir dir;
  const CliRun run = DealersWrite(dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const RadioMemory sample = BuildSampleMemory();
  EXPECT_EQ(ReadWholeFile(LastPath("read")), Bytes(sample.begin(), sample.end()));
  EXPECT_EQ(ReadWholeFile(LastPath("verify")), ReadWholeFile(dir.File("new.img")));
  EXPECT_NE(LastPath("verify").find("-verify-"), std::string::npos);
}

// Each transfer's own line first, then the history's line about it.
TEST(CliHistory, TheHistorysLineFollowsTheTransfersLine) {
  ScratchHistory history;
  ASSERT_TRUE(history.Block());
  TempDir dir;
  const CliRun run = DealersWrite(dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> starts = {"read 187 bytes from", "history: read not kept",
                                           "wrote 188 bytes to",  "history: write not kept",
                                           "verified: the radio", "history: verify not kept"};
  std::vector<std::string> lines;
  std::istringstream text(run.err);
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), starts.size()) << run.err;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].rfind("zentor-cli: " + starts[i], 0), 0u) << run.err;
  }
}

TEST(CliHistory, NamesAreShownEscapedAndGivenAsBytes) {
  ScratchHistory history;
  TempDir dataHome;
  const std::string folder = dataHome.Path() + "/a\x1b[31m\xd6\xd0\\b/zentor/history";
  ASSERT_TRUE(std::filesystem::create_directories(folder));
  const std::string path = folder + "/2026-12-10T05-26-02.939Z-read-ttyS0.img";
  ASSERT_TRUE(PutImage(path, ValidImage()));
  setenv("XDG_DATA_HOME", (dataHome.Path() + "/a\x1b[31m\xd6\xd0\\b").c_str(), 1);

  const CliRun list = RunCli({"history"});
  ASSERT_EQ(list.status, 0) << list.err;
  EXPECT_EQ(list.out.find('\x1b'), std::string::npos) << list.out;
  EXPECT_NE(list.out.find("a\\x1b[31m\\xd6\\xd0\\b/zentor/history/2026-12-10T05-26-02.939Z-read-ttyS0.img"),
            std::string::npos)
      << list.out;
  const CliRun json = RunCli({"history", "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  const QJsonArray events = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).array();
  ASSERT_EQ(events.size(), 1) << json.out;
  EXPECT_EQ(FromEscapedBytes(events[0].toObject()["pathBytes"].toString().toStdString()), path);
  EXPECT_EQ(LastPath("read"), path);
}

}  // namespace
