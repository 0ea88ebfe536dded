// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "channel_rules.h"
#include "rule_meanings.h"
#include "validation_messages.h"

namespace {

// A channel that passes every rule: band 400 MHz, 405/410 MHz, 5 minutes, wide.
WorkingChannel ValidChannel() {
  WorkingChannel channel;
  channel.band = 4000000;
  channel.rxFrequency = 4050000;
  channel.txFrequency = 4100000;
  channel.tot = 50;
  return channel;
}

std::string Broken(const WorkingChannel &channel, int currentChannel = 0) {
  const char *message = FirstBrokenRule(channel, currentChannel);
  return message == nullptr ? std::string() : std::string(message);
}

}  // namespace

TEST(ChannelRules, AValidChannelBreaksNoRule) { EXPECT_EQ(Broken(ValidChannel()), ""); }

TEST(ChannelRules, DistanceOfExactly10MHzPassesAndMoreFails) {
  WorkingChannel channel = ValidChannel();
  channel.rxFrequency = 4000000;
  channel.txFrequency = 4100000;
  EXPECT_EQ(Broken(channel), "");
  channel.txFrequency = 4100250;  // 410.025 MHz
  EXPECT_EQ(Broken(channel), MSG_DISTANCE);
  channel.rxFrequency = 4200250;
  channel.txFrequency = 4100000;
  EXPECT_EQ(Broken(channel), MSG_DISTANCE);
}

TEST(ChannelRules, DistanceIsCheckedBeforeTheBand) {
  WorkingChannel channel = ValidChannel();
  channel.band = 0;
  channel.rxFrequency = 4000000;
  channel.txFrequency = 0;  // one side not set
  EXPECT_EQ(Broken(channel), MSG_DISTANCE);
  channel.rxFrequency = 0;
  EXPECT_EQ(Broken(channel), MSG_BAND);
}

TEST(ChannelRules, BothFrequenciesUnsetPassEveryFrequencyRule) {
  WorkingChannel channel = ValidChannel();
  channel.rxFrequency = 0;
  channel.txFrequency = 0;
  EXPECT_EQ(Broken(channel), "");
}

TEST(ChannelRules, BandMustBe350To450InStepsOf10) {
  const struct {
    std::int32_t band;
    bool passes;
  } cases[] = {{3500000, true}, {4500000, true}, {4300000, true}, {3550000, false},
               {4510000, false}, {3400000, false}, {4600000, false}, {0, false}, {3500001, false}};
  for (const auto &c : cases) {
    WorkingChannel channel = ValidChannel();
    channel.band = c.band;
    channel.rxFrequency = 0;
    channel.txFrequency = 0;
    EXPECT_EQ(Broken(channel), c.passes ? "" : MSG_BAND) << c.band;
  }
}

TEST(ChannelRules, BandWindowIncludesBothEndsAndNamesTheChannel) {
  WorkingChannel channel = ValidChannel();
  channel.txFrequency = 4150000;
  channel.rxFrequency = 4200000;  // band + 20 MHz exactly
  EXPECT_EQ(Broken(channel, 2), "");
  channel.rxFrequency = 4200125;
  channel.flags = FLAG_NARROW;
  EXPECT_EQ(Broken(channel, 2), "3频道接收频率值超出频段范围");

  channel = ValidChannel();
  channel.txFrequency = 4050000;
  channel.rxFrequency = 3999875;  // just below the band base
  EXPECT_EQ(Broken(channel, 2), "3频道接收频率值超出频段范围");
  channel.rxFrequency = 4000000;
  EXPECT_EQ(Broken(channel, 2), "");

  channel.rxFrequency = 4150000;
  channel.txFrequency = 4200250;
  EXPECT_EQ(Broken(channel, 15), "16频道发射频率值超出频段范围");
}

TEST(ChannelRules, EveryChannelHasItsOwnBandTexts) {
  WorkingChannel rxOut = ValidChannel();
  rxOut.band = 4100000;
  rxOut.rxFrequency = 4050000;
  rxOut.txFrequency = 4100000;
  WorkingChannel txOut = rxOut;
  std::swap(txOut.rxFrequency, txOut.txFrequency);
  for (int channel = 0; channel < 16; ++channel) {
    const std::string number = std::to_string(channel + 1);
    EXPECT_EQ(Broken(rxOut, channel), number + "频道接收频率值超出频段范围");
    EXPECT_EQ(Broken(txOut, channel), number + "频道发射频率值超出频段范围");
  }
}

TEST(ChannelRules, GridFollowsTheChannelsOwnNarrowFlag) {
  WorkingChannel channel = ValidChannel();
  channel.rxFrequency = 4000125;
  channel.txFrequency = 4000125;
  channel.flags = FLAG_NARROW;
  EXPECT_EQ(Broken(channel), "");
  channel.flags = 0;
  EXPECT_EQ(Broken(channel), MSG_RX_GRID_WIDE);
  channel.rxFrequency = 4000250;
  EXPECT_EQ(Broken(channel), MSG_TX_GRID_WIDE);
  channel.flags = FLAG_NARROW;
  channel.rxFrequency = 4000100;
  EXPECT_EQ(Broken(channel), MSG_RX_GRID_NARROW);
  channel.rxFrequency = 4000125;
  channel.txFrequency = 4000126;
  EXPECT_EQ(Broken(channel), MSG_TX_GRID_NARROW);
}

TEST(ChannelRules, TimeLimitFrom1To100Tenths) {
  const struct {
    std::int32_t tot;
    bool passes;
  } cases[] = {{0, false}, {1, true}, {100, true}, {101, false}, {255, false}};
  for (const auto &c : cases) {
    WorkingChannel channel = ValidChannel();
    channel.tot = c.tot;
    EXPECT_EQ(Broken(channel), c.passes ? "" : MSG_TOT) << c.tot;
  }
}

TEST(ChannelRules, MessagesUseFullWidthPunctuation) {
  EXPECT_NE(std::string(MSG_BAND).find("－"), std::string::npos);
  EXPECT_NE(std::string(MSG_TOT).find("，"), std::string::npos);
  EXPECT_EQ(std::string(MSG_BAND).find('-'), std::string::npos);
  EXPECT_EQ(std::string(MSG_TOT).find(','), std::string::npos);
}

TEST(ChannelRules, SquelchAndCodesAreNotValidated) {
  WorkingChannel channel = ValidChannel();
  channel.squelch = 0;
  channel.txCode = 0xFF;
  channel.rxCode = 0x9C;
  channel.flags = FLAG_TX_CODED | FLAG_RX_CODED | 0x07;
  EXPECT_EQ(Broken(channel), "");
}

// zentor-cli prints each rule's text with its meaning: none may be left without one.
TEST(RuleMeanings, EveryRuleTextHasItsEnglishMeaning) {
  std::vector<const char *> texts = {MSG_DISTANCE,     MSG_BAND,         MSG_RX_GRID_NARROW, MSG_RX_GRID_WIDE,
                                     MSG_TX_GRID_NARROW, MSG_TX_GRID_WIDE, MSG_TOT};
  texts.insert(texts.end(), MSG_RX_OUT_OF_BAND.begin(), MSG_RX_OUT_OF_BAND.end());
  texts.insert(texts.end(), MSG_TX_OUT_OF_BAND.begin(), MSG_TX_OUT_OF_BAND.end());
  for (const char *text : texts) {
    EXPECT_NE(RuleInEnglish(text), "") << text;
  }
  EXPECT_NE(RuleInEnglish(MSG_RX_OUT_OF_BAND[4]), RuleInEnglish(MSG_TX_OUT_OF_BAND[4]));
  EXPECT_EQ(RuleInEnglish("数据已写入对讲机"), "");
}
