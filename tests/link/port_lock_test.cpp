// SPDX-License-Identifier: GPL-3.0-or-later
// Another program's lock file on the device keeps the port closed while that program lives, in
// every form it may take; a lock that tells nothing sure is named, one of a dead process goes;
// a port named by a link is locked and opened as the device behind it.

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSerialPort>
#include <QSysInfo>
#include <array>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "child_step.h"
#include "radio_port_fixture.h"
#include "sim_process.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes TextLock(const std::string &text) { return Bytes(text.begin(), text.end()); }

Bytes AsciiLock(pid_t pid) {  // as minicom and picocom write it: ten characters and a newline
  return TextLock(std::string(10 - std::to_string(pid).size(), ' ') + std::to_string(pid) + "\n");
}

Bytes BinaryLock(int pid) {  // the oldest form: the PID as a binary int
  Bytes binary(sizeof pid);
  std::memcpy(binary.data(), &pid, sizeof pid);
  return binary;
}

Bytes QtLock(pid_t pid, const QString &host = QSysInfo::machineHostName()) {
  return TextLock(std::to_string(pid) + "\nlink_tests\n" + host.toStdString() + "\n");
}

pid_t DeadPid() {  // a holder that has ended
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);
  return gone;
}

class PortLock : public RadioPortTest {
 protected:
  // LCK..pts_3 for /dev/pts/3, the name every program looks for.
  std::string LockFile() const { return locks.File("LCK..pts_" + radio.SlavePath().substr(9)); }
  std::string HeldLine(const std::string &device) const {
    return "COM1: cannot open " + device + ": locked by another program; held by link_tests (PID " +
           std::to_string(getpid()) + ")";
  }
  std::string Line() const { return OpenFailureLine("COM1", port.DeviceLabel(), port.WhyOpenFailed()); }
  std::string OpenedAndLine() {
    const int opened = port.OpenRadioPort("COM1");
    return std::to_string(opened) + " " + Line();
  }
  std::string RefusedLine(const std::string &reason) const {
    return "COM1: cannot open " + radio.SlavePath() + ": locked: " + LockFile() + reason;
  }
};

TEST_F(PortLock, ALiveHoldersLockInEitherFormKeepsThePortClosedAndIsNamed) {
  ASSERT_EQ(radio.SlavePath().rfind("/dev/pts/", 0), 0u);
  for (const Bytes &lock : {AsciiLock(getpid()), BinaryLock(getpid()), QtLock(getpid())}) {
    ASSERT_TRUE(WriteWholeFile(LockFile(), lock));
    EXPECT_EQ(port.OpenRadioPort("COM1"), 0);
    EXPECT_EQ(Line(), HeldLine(radio.SlavePath()));
    EXPECT_EQ(ReadWholeFile(LockFile()), lock) << "another program's lock stays as it was";
  }
  // A holder that has ended leaves a stale lock, which keeps nobody out.
  ASSERT_TRUE(WriteWholeFile(LockFile(), AsciiLock(DeadPid())));
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

TEST_F(PortLock, ALockThatTellsNothingSureIsNamedAndOneOfADeadProcessIsRemoved) {
  const std::string unreadable = RefusedLine(" cannot be read (taken as stale after 30 s)");
  const struct {
    const char *what;
    Bytes lock;
    int ageSeconds;
    std::string line;  // empty where the lock is stale: removed, and the port opens
  } cases[] = {
      {"a dead PID, binary", BinaryLock(DeadPid()), 0, ""},
      {"a dead PID, Qt's form", QtLock(DeadPid()), 0, ""},
      {"empty, as its writer has just created it", {}, 0, unreadable},
      {"no PID", TextLock("minicom\n"), 0, unreadable},
      {"a negative PID", TextLock("-42\n"), 0, unreadable},
      {"PID 0, binary", BinaryLock(0), 0, unreadable},
      {"PID 1, binary", BinaryLock(1), 0, unreadable},
      {"no PID, older than 30 s", TextLock("minicom\n"), 31, ""},
      {"PID 1, binary, older than 30 s", BinaryLock(1), 60, ""},
      {"a live PID of another host", QtLock(getpid(), "elsewhere"), 60,
       RefusedLine(" names PID " + std::to_string(getpid()) +
                   " of the host elsewhere, whose processes this program cannot see")},
  };
  for (const auto &lock : cases) {
    SCOPED_TRACE(lock.what);
    ASSERT_TRUE(WriteWholeFile(LockFile(), lock.lock));
    const timespec written = {std::time(nullptr) - lock.ageSeconds, 0};
    const timespec times[2] = {written, written};
    ASSERT_EQ(utimensat(AT_FDCWD, LockFile().c_str(), times, 0), 0);
    EXPECT_EQ(port.OpenRadioPort("COM1"), lock.line.empty() ? 1 : 0);
    if (lock.line.empty()) {
      EXPECT_FALSE(ReadWholeFile(LockFile()).has_value());
    } else {
      EXPECT_EQ(Line(), lock.line);
      EXPECT_EQ(ReadWholeFile(LockFile()), lock.lock) << "another program's lock stays as it was";
    }
    port.CloseRadioPort();
    unlink(LockFile().c_str());
  }
}

TEST_F(PortLock, AFifoNamedLikeALockIsRefusedWithoutAWait) {
  ASSERT_EQ(mkfifo(LockFile().c_str(), 0666), 0);
  // In a child that ends after 10 s, since a read of the FIFO would wait for good.
  EXPECT_EQ(TextFromChild([&] { return OpenedAndLine(); }), "0 " + RefusedLine(" is a FIFO, not a lock file"));
}

TEST_F(PortLock, APidOutsideThisProgramsPidNamespaceMayBeAliveAndKeepsItsLock) {
  if (geteuid() != 0) {
    GTEST_SKIP() << "a PID namespace of its own takes root";
  }
  ASSERT_TRUE(WriteWholeFile(LockFile(), AsciiLock(getpid())));
  // unshare puts the children of the caller, not the caller, in the new namespace.
  const std::string line = TextFromChild([&] {
    return unshare(CLONE_NEWPID) != 0 ? "no PID namespace" : TextFromChild([&] { return OpenedAndLine(); });
  });
  EXPECT_EQ(line, "0 " + RefusedLine(" names PID " + std::to_string(getpid()) +
                                     ", which may run outside this program's PID namespace"));
  EXPECT_EQ(ReadWholeFile(LockFile()), AsciiLock(getpid()));
}

TEST_F(PortLock, AStaleLockThisUserMayNotRemoveIsNamed) {
  if (geteuid() != 0) {
    GTEST_SKIP() << "playing another user takes root";
  }
  ASSERT_TRUE(WriteWholeFile(LockFile(), AsciiLock(DeadPid())));
  ASSERT_EQ(chmod(locks.Path().c_str(), 0755), 0);  // others may look in, but not remove
  EXPECT_EQ(TextFromChild([&] { return setgid(65534) != 0 || setuid(65534) != 0 ? "still root" : OpenedAndLine(); }),
            "0 " + RefusedLine(" is stale but cannot be removed: Permission denied"));
}

TEST_F(PortLock, NeitherARefusalNorItsDiagnosisOpensTheDevice) {
  // On a serial port an open alone raises DTR and RTS, which some programming cables heed.
  const int opens = inotify_init1(IN_NONBLOCK);
  ASSERT_GE(inotify_add_watch(opens, radio.SlavePath().c_str(), IN_OPEN), 0);
  std::array<char, 4096> events{};
  ASSERT_TRUE(WriteWholeFile(LockFile(), AsciiLock(getpid())));
  EXPECT_EQ(port.OpenRadioPort("COM1"), 0);
  EXPECT_EQ(Line(), HeldLine(radio.SlavePath()));
  ASSERT_EQ(unlink(LockFile().c_str()), 0);
  const OpenFailure qtsOwn = DiagnoseOpenFailure(radio.SlavePath(), "Permission error while locking the device",
                                                 {locks.Path()});
  EXPECT_EQ(qtsOwn.reason, "Permission error while locking the device");
  EXPECT_LT(read(opens, events.data(), events.size()), 0);

  close(OpenRawSlave());  // the watch does see an open
  EXPECT_GT(read(opens, events.data(), events.size()), 0);
  close(opens);
}
