// SPDX-License-Identifier: GPL-3.0-or-later
// A read cut off from its side: the device vanishes under it, or the user closes the window
// before its timer.

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QSerialPort>
#include <QTest>
#include <QTimer>
#include <ctime>

#include "other_program_open.h"
#include "radio_editor_fixture.h"
#include "transfer_expectations.h"

namespace {

double ProcessCpuSeconds() {
  timespec used{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
  return static_cast<double>(used.tv_sec) + static_cast<double>(used.tv_nsec) / 1e9;
}

class InterruptedRead : public RadioEditorTest {};

TEST_F(InterruptedRead, HangUpLeavesTheWindowResponsiveWithoutAnErrorStorm) {
  const Bytes before = ValidMemory(1);
  ShowImage(before);
  ASSERT_TRUE(StartRadio(ValidMemory(0), {"--no-pacing", "--fault", "hangup", "--fault-arg", "100"}));

  int loopTurns = 0;
  const QMetaObject::Connection counter = QObject::connect(
      QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, [&loopTurns] { ++loopTurns; });
  const double cpuAtClick = ProcessCpuSeconds();
  ClickButton(ControlId::READ_BUTTON);
  ASSERT_TRUE(WaitForRadioLog("hung up", 1500)) << radio->Log();

  // The event loop still turns: a zero timer runs, and a click on a channel takes effect.
  bool zeroTimerRan = false;
  QTimer::singleShot(0, [&zeroTimerRan] { zeroTimerRan = true; });
  EXPECT_TRUE(QTest::qWaitFor([&zeroTimerRan] { return zeroTimerRan; }, 500));
  ClickEntry(ControlId::CHANNEL_LIST, 2);
  ExpectChannelOnScreen(3);
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("382.475"));
  ASSERT_EQ(dialog->CurrentLinkState(), LinkState::Reading) << "the checks ran inside the read";

  ASSERT_TRUE(WaitUntilIdle());
  // Idle, the window costs next to nothing; a port reporting its hang-up on every turn of the
  // loop would keep a core busy for the whole read window.
  EXPECT_LT(ProcessCpuSeconds() - cpuAtClick, 0.5) << loopTurns << " turns of the event loop";
  QObject::disconnect(counter);
  EXPECT_EQ(Messages(), std::vector<std::string>{READ_FAILED});
  EXPECT_TRUE(SameBytes(ImageBytes(), before));
  ExpectChannelOnScreen(1);
}

TEST_F(InterruptedRead, ReadAfterAHangUpWorksOnceTheRadioIsBack) {
  ASSERT_TRUE(StartRadio(ValidMemory(1), {"--no-pacing", "--fault", "hangup", "--fault-arg", "40"}));
  ClickButton(ControlId::READ_BUTTON);
  ASSERT_TRUE(WaitUntilIdle());
  ASSERT_EQ(Messages(), std::vector<std::string>{READ_FAILED});

  StopRadio();
  const Bytes radioMemory = ValidMemory(0);
  ASSERT_TRUE(StartRadio(radioMemory, {"--no-pacing"}));
  ClickButton(ControlId::READ_BUTTON);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(Messages(), (std::vector<std::string>{READ_FAILED, READ_DONE}));
  EXPECT_TRUE(SameBytes(ImageBytes(), radioMemory));
}

TEST_F(InterruptedRead, ClosingTheWindowEndsItWithoutMessageOrTimer) {
  const Bytes before = ValidMemory(1);
  ShowImage(before);
  ASSERT_TRUE(StartRadio(ValidMemory(0), {}));
  ClickButton(ControlId::READ_BUTTON);
  ASSERT_EQ(dialog->CurrentLinkState(), LinkState::Reading);
  ClickEntry(ControlId::CHANNEL_LIST, 4);
  KeepRunning(300);

  dialog->close();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_FALSE(dialog->IsTimerRunning(READ_TIMER));
  EXPECT_FALSE(dialog->IsTimerRunning(WRITE_TIMER));

  // Past the end of the read window: a timer event would have shown a message and channel 1.
  KeepRunning(READ_TIMER_MS + 500);
  EXPECT_TRUE(Messages().empty());
  ExpectChannelOnScreen(5);
  EXPECT_TRUE(SameBytes(ImageBytes(), before));

  // The program ends with its window, and the device is free again.
  dialog.reset();
  QSerialPort next(QString::fromStdString(LinkPath()));
  EXPECT_TRUE(next.open(QIODevice::ReadWrite)) << next.errorString().toStdString();
  next.close();
  EXPECT_EQ(OpenErrorForOtherProgram(radio->DevicePath()), 0);
}

}  // namespace
