// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "history_names.h"

TEST(HistoryNames, NameSaysWhenWhatAndWhereAndReadsBack) {
  EXPECT_EQ(HistoryFileName("2026-12-09T16-45-01.123", HistoryKind::READ, "/dev/ttyUSB0"),
            "2026-12-09T16-45-01.123-read-ttyUSB0.img");
  // Whatever a device path holds, the name stays one plain word after the kind.
  const std::string name = HistoryFileName("2026-12-09T16-45-01.123", HistoryKind::WRITE, "/tmp/a b/Ω*ttyS0\n");
  const std::optional<HistoryName> parsed = ParseHistoryFileName(name);
  ASSERT_TRUE(parsed) << name;
  EXPECT_EQ(parsed->stamp, "2026-12-09T16-45-01.123");
  EXPECT_EQ(parsed->kind, HistoryKind::WRITE);
  EXPECT_EQ(parsed->device, "___ttyS0_");
  EXPECT_EQ(DeviceLabel(""), "port");

  for (const char *other : {"notes.img", ".2026-12-09T16-45-01.123-read-ttyUSB0.img.tmp-1-0",
                            "2026-12-09T16-45-01.123-read-.img", "2026-12-09T16-45-01.123-erase-ttyS0.img",
                            "2026-12-09 16-45-01.123-read-ttyS0.img", "2026-12-09T16-45-01.123-read-ttyS0.bin"}) {
    EXPECT_FALSE(ParseHistoryFileName(other)) << other;
  }
}
