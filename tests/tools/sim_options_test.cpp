// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "sim_options.h"

namespace {

ParsedOptions Parse(std::vector<const char *> arguments) {
  arguments.insert(arguments.begin(), "zentor-radio-sim");
  return ParseSimOptions(static_cast<int>(arguments.size()), arguments.data());
}

}  // namespace

TEST(SimOptions, NoArgumentsMeanAnHonestPacedRadioFromTheSample) {
  const ParsedOptions parsed = Parse({});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.fault, Fault::NONE);
  EXPECT_TRUE(parsed.options.pacing);
  EXPECT_FALSE(parsed.options.once);
  EXPECT_FALSE(parsed.options.verbose);
  EXPECT_TRUE(parsed.options.linkPath.empty());
  EXPECT_TRUE(parsed.options.memoryPath.empty());
}

TEST(SimOptions, EveryFlagIsTakenWithSeparateOrJoinedValue) {
  const ParsedOptions parsed = Parse({"--link", "/tmp/a", "--memory=/tmp/m", "--save", "/tmp/s", "--frames=/tmp/f",
                                      "--no-pacing", "--once", "--verbose", "--fault", "short", "--fault-arg=12"});
  ASSERT_EQ(parsed.error, "");
  const SimOptions &o = parsed.options;
  EXPECT_EQ(o.linkPath, "/tmp/a");
  EXPECT_EQ(o.memoryPath, "/tmp/m");
  EXPECT_EQ(o.savePath, "/tmp/s");
  EXPECT_EQ(o.framesPath, "/tmp/f");
  EXPECT_FALSE(o.pacing);
  EXPECT_TRUE(o.once);
  EXPECT_TRUE(o.verbose);
  EXPECT_EQ(o.fault, Fault::SHORT);
  EXPECT_EQ(o.faultArg, 12u);
}

TEST(SimOptions, FaultNamesAndDefaultArguments) {
  struct Case {
    const char *name;
    Fault fault;
    std::uint32_t defaultArg;
  };
  const Case cases[] = {
      {"silent", Fault::SILENT, 0},       {"delay", Fault::DELAY, 3000},     {"short", Fault::SHORT, 100},
      {"zero-marker", Fault::ZERO_MARKER, 0}, {"garbage", Fault::GARBAGE, 1}, {"long", Fault::LONG, 16},
      {"hangup", Fault::HANGUP, 50},      {"refuse", Fault::REFUSE, 0},      {"pause", Fault::PAUSE, 100},
  };
  for (const Case &c : cases) {
    const ParsedOptions parsed = Parse({"--fault", c.name});
    ASSERT_EQ(parsed.error, "") << c.name;
    EXPECT_EQ(parsed.options.fault, c.fault) << c.name;
    EXPECT_EQ(parsed.options.faultArg, c.defaultArg) << c.name;
    EXPECT_STREQ(FaultName(c.fault), c.name);
  }
}

TEST(SimOptions, BadCommandLinesAreRejectedWithAReason) {
  const std::vector<std::vector<const char *>> rejected = {
      {"--fault"},
      {"--fault", "loud"},
      {"--fault", "short", "--fault", "long"},
      {"--fault", "short", "--fault-arg", "188"},
      {"--fault", "hangup", "--fault-arg", "200"},
      {"--fault", "delay", "--fault-arg", "-5"},
      {"--fault", "delay", "--fault-arg", "12ms"},
      {"--fault", "delay", "--fault-arg", "99999999999"},
      {"--fault", "silent", "--fault-arg", "3"},
      {"--fault-arg", "3"},
      {"--link"},
      {"--link="},
      {"--save"},
      {"--once=yes"},
      {"--pacing"},
      {"extra"},
  };
  for (const auto &arguments : rejected) {
    std::string line;
    for (const char *a : arguments) line += std::string(a) + " ";
    EXPECT_NE(Parse(arguments).error, "") << line;
  }
}

TEST(SimOptions, HelpIsRecognisedAndItsTextNamesEveryFlagAndFault) {
  const ParsedOptions help = Parse({"--help", "--no-pacing"});
  EXPECT_EQ(help.error, "");
  EXPECT_TRUE(help.options.help);
  const std::string text = SimUsageText("zentor-radio-sim");
  for (const char *word : {"--link", "--memory", "--save", "--frames", "--no-pacing", "--once", "--verbose", "--fault",
                           "--fault-arg", "--help", "--version", "silent", "delay", "short", "zero-marker",
                           "garbage", "long", "hangup", "refuse", "pause", "misstore"}) {
    EXPECT_NE(text.find(word), std::string::npos) << word;
  }
}
