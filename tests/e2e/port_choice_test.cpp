// SPDX-License-Identifier: GPL-3.0-or-later
// Which device a transfer opens, what happens when it cannot, and that the device is the
// transfer's alone while it runs.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QSerialPort>
#include <QToolTip>
#include <cerrno>
#include <cstdlib>

#include "other_program_open.h"
#include "radio_editor_fixture.h"
#include "transfer_expectations.h"

namespace {

class PortChoice : public RadioEditorTest {
 protected:
  void ClickPort(const QString &name) {
    const QList<QListWidgetItem *> found = List(ControlId::PORT_LIST)->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    ClickEntry(ControlId::PORT_LIST, List(ControlId::PORT_LIST)->row(found.front()));
  }
};

TEST_F(PortChoice, ReadWithNoDeviceFailsAtOnceAndKeepsTheImage) {
  setenv("ZENTOR_COM1", files.File("no-such-device").c_str(), 1);
  ShowImage(ValidMemory(1));
  ClickEntry(ControlId::CHANNEL_LIST, 4);

  ClickButton(ControlId::READ_BUTTON);
  EXPECT_EQ(Messages(), std::vector<std::string>{READ_OPEN_FAILED});
  EXPECT_EQ(dialog->CurrentLinkState(), LinkState::Idle);
  EXPECT_FALSE(dialog->IsTimerRunning(READ_TIMER));
  EXPECT_TRUE(SameBytes(ImageBytes(), ValidMemory(1)));
  ExpectChannelOnScreen(5);  // no timer will come to show channel 1
  KeepRunning(200);
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(PortChoice, Com2InThePortListOpensTheDeviceNamedForCom2) {
  const Bytes radioMemory = ValidMemory(0);
  ASSERT_TRUE(StartRadio(radioMemory, {"--no-pacing"}));
  setenv("ZENTOR_COM1", files.File("no-such-device").c_str(), 1);
  setenv("ZENTOR_COM2", LinkPath().c_str(), 1);

  ClickPort(QStringLiteral("COM2"));
  EXPECT_EQ(dialog->State().portName, "COM2");
  ClickButton(ControlId::READ_BUTTON);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(Messages(), std::vector<std::string>{READ_DONE});
  EXPECT_TRUE(SameBytes(ImageBytes(), radioMemory));

  ClickPort(QStringLiteral("COM1"));
  ClickButton(ControlId::READ_BUTTON);
  EXPECT_EQ(Messages(), (std::vector<std::string>{READ_DONE, READ_OPEN_FAILED}));
  EXPECT_TRUE(SameBytes(Frames(), ReadRequestBytes()));
}

TEST_F(PortChoice, WithoutOverrideCom1IsTheUsbSerialDevicePluggedInAfterStartUp) {
  const Bytes radioMemory = ValidMemory(0);
  ASSERT_TRUE(StartRadio(radioMemory, {"--no-pacing"}));
  unsetenv("ZENTOR_COM1");
  const std::string byId = files.File("by-id");
  const std::string entry = "usb-1a86_USB2.0-Serial-if00-port0";
  ASSERT_EQ(mkdir(byId.c_str(), 0755), 0);
  ASSERT_EQ(symlink(radio->DevicePath().c_str(), (byId + "/" + entry).c_str()), 0);
  dialog->Port().SetSerialByIdFolder(byId);

  ListBox *ports = List(ControlId::PORT_LIST);
  const QPoint overCom1 = ports->visualItemRect(ports->item(0)).center();
  QHelpEvent hover(QEvent::ToolTip, overCom1, ports->viewport()->mapToGlobal(overCom1));
  QApplication::sendEvent(ports->viewport(), &hover);
  const QString expected = QString::fromStdString("COM1: " + radio->DevicePath() + " (" + entry + ")");
  EXPECT_EQ(QToolTip::text(), expected);
  QAccessibleInterface *list = QAccessible::queryAccessibleInterface(ports);
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list->child(0), nullptr);
  EXPECT_EQ(list->child(0)->text(QAccessible::Description), expected);

  ClickButton(ControlId::READ_BUTTON);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(Messages(), std::vector<std::string>{READ_DONE});
  EXPECT_TRUE(SameBytes(ImageBytes(), radioMemory));
}

TEST_F(PortChoice, NoOtherOpenOfTheDeviceSucceedsWhileTheReadHoldsIt) {
  ASSERT_TRUE(StartRadio(ValidMemory(0), {"--no-pacing"}));
  ClickButton(ControlId::READ_BUTTON);
  ASSERT_EQ(dialog->CurrentLinkState(), LinkState::Reading);

  // Another port object of this program, on the device behind COM1's link: kept out by the
  // device's lock file, which holds for root too. The transfer locks the device under its own
  // name, not the link's, so that every program that opens the device sees the lock.
  QSerialPort other(QString::fromStdString(radio->DevicePath()));
  EXPECT_FALSE(other.open(QIODevice::ReadWrite));
  // Another, unprivileged program: kept out by the terminal's exclusive mode, whatever the
  // path it uses.
  EXPECT_EQ(OpenErrorForOtherProgram(radio->DevicePath()), EBUSY);
  ASSERT_EQ(dialog->CurrentLinkState(), LinkState::Reading) << "the checks ran inside the read";

  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(Messages(), std::vector<std::string>{READ_DONE});
  EXPECT_TRUE(other.open(QIODevice::ReadWrite)) << other.errorString().toStdString();
  other.close();
  EXPECT_EQ(OpenErrorForOtherProgram(radio->DevicePath()), 0);
}

}  // namespace
