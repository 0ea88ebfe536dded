// SPDX-License-Identifier: GPL-3.0-or-later
// Another program's lock file on the device keeps the port closed while that program lives, in
// every form it may take; a port named by a link is locked and opened as the device behind it.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QSerialPort>
#include <cstdlib>
#include <cstring>

#include "radio_port_fixture.h"
#include "sim_process.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes AsciiLock(pid_t pid) {  // as minicom and picocom write it: ten characters and a newline
  const std::string text = std::string(10 - std::to_string(pid).size(), ' ') + std::to_string(pid) + "\n";
  return Bytes(text.begin(), text.end());
}

class PortLock : public RadioPortTest {
 protected:
  void SetUp() override {
    RadioPortTest::SetUp();
    port.SetLockFolders({locks.Path()});  // never the system's own lock folders
  }
  // LCK..pts_3 for /dev/pts/3, the name every program looks for.
  std::string LockFile() const { return locks.File("LCK..pts_" + radio.SlavePath().substr(9)); }
  std::string HeldLine(const std::string &device) const {
    return "COM1: cannot open " + device + ": locked by another program; held by link_tests (PID " +
           std::to_string(getpid()) + ")";
  }
  std::string Line() const { return OpenFailureLine("COM1", port.DeviceLabel(), port.WhyOpenFailed()); }

  TempDir locks;
};

TEST_F(PortLock, ALiveHoldersLockInEitherFormKeepsThePortClosedAndIsNamed) {
  ASSERT_EQ(radio.SlavePath().rfind("/dev/pts/", 0), 0u);
  Bytes binary(sizeof(int));
  const int self = getpid();
  std::memcpy(binary.data(), &self, sizeof self);
  for (const Bytes &lock : {AsciiLock(getpid()), binary}) {
    ASSERT_TRUE(WriteWholeFile(LockFile(), lock));
    EXPECT_EQ(port.OpenRadioPort("COM1"), 0);
    EXPECT_EQ(Line(), HeldLine(radio.SlavePath()));
    EXPECT_EQ(ReadWholeFile(LockFile()), lock) << "another program's lock stays as it was";
  }
  const pid_t gone = fork();  // a holder that has ended leaves a stale lock, which keeps nobody out
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);
  ASSERT_TRUE(WriteWholeFile(LockFile(), AsciiLock(gone)));
  EXPECT_EQ(port.OpenRadioPort("COM1"), 1);
}

TEST_F(PortLock, ALinkIsLockedAndOpenedAsTheDeviceItLeadsTo) {
  const std::string link = locks.File("usb-1a86_USB2.0-Serial-if00-port0");
  ASSERT_EQ(symlink(radio.SlavePath().c_str(), link.c_str()), 0);
  setenv("ZENTOR_COM1", link.c_str(), 1);
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  EXPECT_EQ(port.DevicePath(), radio.SlavePath());
  // Our lock is under the device's name: a program that opens the device itself sees it.
  QSerialPort other(QString::fromStdString(radio.SlavePath()));
  EXPECT_FALSE(other.open(QIODevice::ReadWrite));
  port.CloseRadioPort();

  ASSERT_TRUE(WriteWholeFile(LockFile(), AsciiLock(getpid())));
  EXPECT_EQ(port.OpenRadioPort("COM1"), 0);
  EXPECT_EQ(Line(), HeldLine(link + " -> " + radio.SlavePath()));
}

}  // namespace
