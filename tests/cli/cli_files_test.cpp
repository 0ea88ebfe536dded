// SPDX-License-Identifier: GPL-3.0-or-later
// zentor-cli's file commands, run as a user runs them.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fstream>

#include "cli_images.h"
#include "cli_process.h"
#include "sample_memory.h"
#include "sim_process.h"

namespace {

using Words = std::vector<std::string>;

class CliFiles : public ::testing::Test {
 protected:
  std::string Put(const std::string &name, const ChannelImage &image) {
    EXPECT_TRUE(PutImage(dir.File(name), image)) << name;
    return dir.File(name);
  }
  TempDir dir;
};

TEST_F(CliFiles, ShowPrintsWhatTheEditorShowsAsTableAndJson) {
  const std::string file = Put("a.img", ValidImage());
  const CliRun table = RunCli({"show", file});
  ASSERT_EQ(table.status, 0) << table.err;
  EXPECT_EQ(WordsOfLine(table.out, "Band base"), (Words{"Band", "base", "MHz:", "430"}));
  EXPECT_EQ(WordsOfLine(table.out, "1 "), (Words{"1", "438.0125", "-", "438.0125", "172I", "0.3", "9", "12.5Khz"}));
  EXPECT_EQ(WordsOfLine(table.out, "2 "), (Words{"2", "431", "100", "431", "-", "5", "3", "25Khz"}));

  const CliRun json = RunCli({"show", "--json", file});
  ASSERT_EQ(json.status, 0) << json.err;
  const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
  const QJsonArray channels = root["channels"].toArray();
  ASSERT_EQ(channels.size(), 16);
  EXPECT_EQ(root["bandBaseMhz"].toDouble(), 430.0);
  EXPECT_EQ(channels[0].toObject()["rxMhz"].toDouble(), 438.0125);
  EXPECT_EQ(channels[0].toObject()["txCode"].toObject()["code"].toString(), "172I");
  EXPECT_TRUE(channels[0].toObject()["rxCode"].isNull());
  EXPECT_EQ(channels[1].toObject()["rxCode"].toObject()["type"].toString(), "CTCSS");
  EXPECT_EQ(channels[0].toObject()["totMinutes"].toDouble(), 0.3);
}

TEST_F(CliFiles, CheckListsEveryFailingChannel) {
  EXPECT_EQ(RunCli({"check", Put("good.img", ValidImage())}).status, 0);
  ChannelImage image = ValidImage();
  image.Record(3)[RecordOffset::TOT] = 0;
  WriteField24(image.Record(8) + RecordOffset::RX_FREQUENCY, 4290000);
  WriteField24(image.Record(8) + RecordOffset::TX_FREQUENCY, 4300000);
  const CliRun run = RunCli({"check", Put("bad.img", image)});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "channel 4: 发射限时必须大于等于0.1，小于等于10 (the time limit must be 0.1 to 10 minutes)\n"
            "channel 9: 9频道接收频率值超出频段范围 "
            "(the receive frequency lies outside the band, band to band + 20 MHz)\n");
}

TEST_F(CliFiles, DiffNamesShownFieldsAndEveryOtherByte) {
  const ChannelImage a = ValidImage();
  ChannelImage b = a;
  b.Record(2)[RecordOffset::TOT] = 51;
  b.Record(2)[RecordOffset::FLAGS] ^= 0x01;  // a bit the editor never shows
  b.Record(4)[RecordOffset::SQUELCH] = 0;    // shown as level 3, like the 200 it replaces
  b.Record(0)[RecordOffset::FLAGS] &= static_cast<std::uint8_t>(~FLAG_TX_CODED);
  WriteField24(b.Settings() + SettingsOffset::BAND_BASE, 4400000);
  b.bytes[180] = 7;
  const CliRun run = RunCli({"diff", Put("a.img", a), Put("b.img", b)});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "channel 1 TX code: 172I -> -\n"
            "channel 3 TOT min: 5 -> 5.1\n"
            "channel 3 byte 9: 0x00 -> 0x01\n"
            "channel 5 byte 10: 0xC8 -> 0x00\n"
            "band base MHz: 430 -> 440\n"
            "image byte 180: 0x00 -> 0x07\n");
  const CliRun same = RunCli({"diff", dir.File("a.img"), dir.File("a.img")});
  EXPECT_EQ(same.status, 0);
  EXPECT_EQ(same.out, "");
}

TEST_F(CliFiles, BadFilesFailAndBadCommandLinesAreUsageErrors) {
  const CliRun missing = RunCli({"show", dir.File("none.img")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("No such file"), std::string::npos) << missing.err;
  std::ofstream(dir.File("long.img")) << std::string(188, 'x');
  const CliRun wrongSize = RunCli({"check", dir.File("long.img")});
  EXPECT_EQ(wrongSize.status, 1);
  EXPECT_NE(wrongSize.err.find("exactly 187 bytes, this one 188"), std::string::npos) << wrongSize.err;
  for (const Words &arguments : {Words{}, Words{"show"}, Words{"diff", "a"}, Words{"show", "--frob", "a"},
                                 Words{"import", "a.csv"}, Words{"erase"}}) {
    EXPECT_EQ(RunCli(arguments).status, 2) << testing::PrintToString(arguments);
  }
  EXPECT_EQ(RunCli({"diff", "--help"}).status, 0);
}

// Export, then import onto the same image as base, gives the image back byte for byte.
TEST_F(CliFiles, CsvRoundTripAndRefusal) {
  const RadioMemory sample = BuildSampleMemory();
  ChannelImage image;
  ReplaceImage(image, sample.data());
  const std::string file = Put("sample.img", image);
  ASSERT_EQ(RunCli({"export", file, "-o", dir.File("sample.csv")}).status, 0);
  const CliRun imported =
      RunCli({"import", dir.File("sample.csv"), "-o", dir.File("back.img"), "--base", file});
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(RunCli({"diff", file, dir.File("back.img")}).out, "");

  std::ofstream(dir.File("bad.csv")) << "Location,Frequency\n17\x1b[31m,431.000000\n";
  const CliRun refused = RunCli({"import", dir.File("bad.csv"), "-o", dir.File("bad.img")});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("line 2: Location \"17\\x1b[31m\""), std::string::npos) << refused.err;
  EXPECT_EQ(refused.err.find('\x1b'), std::string::npos);
  EXPECT_FALSE(ReadWholeFile(dir.File("bad.img")).has_value());
}

TEST_F(CliFiles, ImportEmptiesChannelsWithoutALineAndWritesNoImageThatBreaksTheRules) {
  const std::string base = Put("base.img", ValidImage());
  std::ofstream(dir.File("two.csv")) << "Location,Frequency\n2,431.000000\n";
  const CliRun run = RunCli({"import", dir.File("two.csv"), "-o", dir.File("two.img"), "--base", base});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "zentor-cli: channel 1 emptied: " + dir.File("two.csv") + " has no line for it (" + base +
                         " had it in use)\n");
  EXPECT_EQ(RunCli({"diff", base, dir.File("two.img")}).out.substr(0, 18), "channel 1 RX MHz: ");

  // 455 MHz is outside the band of 430 MHz: the image that would break the rules is not written.
  std::ofstream(dir.File("far.csv")) << "Location,Frequency\n2,455.000000\n";
  const CliRun far = RunCli({"import", dir.File("far.csv"), "-o", base, "--base", base});
  EXPECT_EQ(far.status, 1);
  EXPECT_NE(far.err.find("nothing written"), std::string::npos) << far.err;
  EXPECT_EQ(RunCli({"diff", base, Put("valid.img", ValidImage())}).status, 0) << "base.img is as it was";
}

TEST_F(CliFiles, ExportLeavesOutACodeTheListsLackNamesItsChannelAndExportsTheRest) {
  ChannelImage image = ValidImage();
  image.Record(1)[RecordOffset::RX_CODE] = 38;  // one past the last CTCSS tone
  const CliRun run = RunCli({"export", Put("odd.img", image)});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("\r\n1,,438.012500,"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\r\n2,,431.000000,,0.000000,,"), std::string::npos) << run.out;
  EXPECT_EQ(run.err, "zentor-cli: channel 2: the receive code byte 0x26 is no code of the radio's lists; its "
                     "receive tone is left empty\n");
}

}  // namespace
