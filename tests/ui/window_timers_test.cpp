// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

#include "test_application.h"
#include "window_timers.h"

namespace {

constexpr int WAIT_LIMIT_MS = 5000;

}  // namespace

TEST(WindowTimers, FireRepeatedlyWithTheirIdUntilKilled) {
  TestApplication();
  std::vector<int> fired;
  WindowTimers timers([&fired](int id) { fired.push_back(id); });
  timers.SetTimer(7, 10);
  EXPECT_TRUE(timers.IsRunning(7));
  EXPECT_TRUE(QTest::qWaitFor([&] { return fired.size() >= 3; }, WAIT_LIMIT_MS));
  timers.KillTimer(7);
  EXPECT_FALSE(timers.IsRunning(7));
  const std::size_t count = fired.size();
  QTest::qWait(50);
  EXPECT_EQ(fired.size(), count);
  EXPECT_EQ(fired, std::vector<int>(count, 7));
}

TEST(WindowTimers, NeverFireAfterAKillFromTheirOwnHandler) {
  TestApplication();
  int fired = 0;
  WindowTimers *self = nullptr;
  WindowTimers timers([&](int id) {
    ++fired;
    self->KillTimer(id);
  });
  self = &timers;
  timers.SetTimer(1, 10);
  timers.SetTimer(2, 10);
  EXPECT_TRUE(QTest::qWaitFor([&] { return fired >= 2; }, WAIT_LIMIT_MS));
  QTest::qWait(50);
  EXPECT_EQ(fired, 2);
}

TEST(WindowTimers, SettingARunningIdReplacesItsTimer) {
  TestApplication();
  int fired = 0;
  WindowTimers timers([&](int) { ++fired; });
  timers.SetTimer(1, 60000);
  timers.SetTimer(1, 10);
  EXPECT_TRUE(QTest::qWaitFor([&] { return fired >= 1; }, WAIT_LIMIT_MS));
  timers.KillTimer(1);
  EXPECT_FALSE(timers.IsRunning(1));
}

TEST(WindowTimers, KillingAnUnknownIdOrAllIsHarmless) {
  TestApplication();
  int fired = 0;
  WindowTimers timers([&](int) { ++fired; });
  timers.KillTimer(42);
  timers.SetTimer(1, 10);
  timers.SetTimer(2, 10);
  timers.KillAll();
  QTest::qWait(50);
  EXPECT_EQ(fired, 0);
  EXPECT_FALSE(timers.IsRunning(1) || timers.IsRunning(2));
}

TEST(WindowTimers, AZeroPeriodStillWaitsBetweenEvents) {
  TestApplication();
  int fired = 0;
  WindowTimers timers([&](int) { ++fired; });
  timers.SetTimer(1, 0);
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(fired, 0);  // a Qt zero timer would have fired on each pass already
  EXPECT_TRUE(QTest::qWaitFor([&] { return fired >= 1; }, WAIT_LIMIT_MS));
}
