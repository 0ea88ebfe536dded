// SPDX-License-Identifier: GPL-3.0-or-later
// Another program's lock file on the device keeps the port closed while that program lives, in
// every form it may take; a port named by a link is locked and opened as the device behind it.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QSerialPort>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "radio_port_fixture.h"
#include "sim_process.h"

namespace {

using Bytes = std::vector<unsigned char>;

// As minicom and picocom write it: the PID in ten characters, then a newline.
Bytes AsciiLock(pid_t pid) {
  char text[16];
  std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(pid));
  return Bytes(text, text + std::strlen(text));
}

Bytes BinaryLock(pid_t pid) {
  const int value = pid;
  Bytes bytes(sizeof value);
  std::memcpy(bytes.data(), &value, sizeof value);
  return bytes;
}

pid_t DeadPid() {
  const pid_t child = fork();
  if (child == 0) {
    _exit(0);
  }
  waitpid(child, nullptr, 0);
  return child;
}

class PortLock : public RadioPortTest {
 protected:
  void SetUp() override {
    RadioPortTest::SetUp();
    port.SetLockFolders({locks.Path()});
  }
  // The lock file every program looks for on the pseudo-terminal: LCK..pts_3 for /dev/pts/3.
  std::string LockFile() const { return locks.File("LCK..pts_" + radio.SlavePath().substr(9)); }
  std::string Line() const { return OpenFailureLine("COM1", port.DeviceLabel(), port.WhyOpenFailed()); }

  TempDir locks;  // never the system's own lock folders
  TempDir links;
};

TEST_F(PortLock, ALiveHoldersLockInEitherFormKeepsThePortClosedAndIsNamed) {
  ASSERT_EQ(radio.SlavePath().rfind("/dev/pts/", 0), 0u);
  const std::string held = "COM1: cannot open " + radio.SlavePath() +
                           ": locked by another program; held by link_tests (PID " + std::to_string(getpid()) + ")";
  for (const Bytes &lock : {AsciiLock(getpid()), BinaryLock(getpid())}) {
    ASSERT_TRUE(WriteWholeFile(LockFile(), lock));
    EXPECT_EQ(port.OpenRadioPort("COM1"), 0);
    EXPECT_FALSE(port.portHandle.isOpen());
    EXPECT_EQ(Line(), held);
    EXPECT_EQ(ReadWholeFile(LockFile()), lock) << "another program's lock stays as it was";
  }
  // Its holder gone, the lock is stale and keeps nobody out.
  ASSERT_TRUE(WriteWholeFile(LockFile(), AsciiLock(DeadPid())));
  EXPECT_EQ(port.OpenRadioPort("COM1"), 1);
}

TEST_F(PortLock, ALinkIsLockedAndOpenedAsTheDeviceItLeadsTo) {
  const std::string link = links.File("usb-1a86_USB2.0-Serial-if00-port0");
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
  EXPECT_EQ(Line(), "COM1: cannot open " + link + " -> " + radio.SlavePath() +
                        ": locked by another program; held by link_tests (PID " + std::to_string(getpid()) + ")");
}

}  // namespace
