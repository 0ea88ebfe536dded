// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "history_names.h"

TEST(HistoryNames, NameSaysWhenWhatAndWhereAndReadsBack) {
  // Whatever a device path holds, the name stays one plain word after the kind.
  const std::string name = HistoryFileName("2026-12-09T16-45-01.123", HistoryKind::WRITE, "/tmp/a b/*ttyS0\n");
  EXPECT_EQ(name, "2026-12-09T16-45-01.123-write-_ttyS0_.img");
  const std::optional<HistoryName> parsed = ParseHistoryFileName(name);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->stamp, "2026-12-09T16-45-01.123");
  EXPECT_EQ(parsed->kind, HistoryKind::WRITE);
  EXPECT_EQ(parsed->device, "_ttyS0_");
  EXPECT_EQ(HistoryStamp(1796880362939), "2026-12-10T05-26-02.939Z");
  const std::optional<HistoryName> utc = ParseHistoryFileName("2026-12-10T05-26-02.939Z-verify-ttyS0.img");
  ASSERT_TRUE(utc);
  EXPECT_EQ(utc->utcMilliseconds, 1796880362939);
  EXPECT_EQ(utc->kind, HistoryKind::VERIFY);
  for (const char *other : {"notes.img", "2026-12-10T05-26-02.939Zread-ttyS0.img",
                            ".2026-12-09T16-45-01.123-read-ttyS0.img.tmp-1-0", "2026-12-09T16-45-01.123-erase-ttyS0.img",
                            "2026-12-09 16-45-01.123-read-ttyS0.img"}) {
    EXPECT_FALSE(ParseHistoryFileName(other)) << other;
  }
}
