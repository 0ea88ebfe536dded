// SPDX-License-Identifier: GPL-3.0-or-later
// The standard-error lines for a port that does not open, from the system's own answer.

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSerialPort>
#include <ios>
#include <string>

#include "child_step.h"
#include "event_loop.h"
#include "port_diagnostics.h"
#include "pseudo_terminal.h"
#include "sim_process.h"

namespace {

// The line a program without root's privileges gets for `path`: root opens any device, so the
// diagnosis runs in a child that has dropped to "nobody".
std::string LineOfAnUnprivilegedProgram(const std::string &path) {
  return TextFromChild([&] {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
      return std::string("still root");
    }
    return OpenFailureLine("COM1", path, DiagnoseOpenFailure(path, "not this"));
  });
}

}  // namespace

TEST(PortDiagnostics, PermissionDeniedNamesTheGroupOnlyWhereJoiningItWouldHelp) {
  if (geteuid() != 0) {
    GTEST_SKIP() << "playing a user without access to a device takes root";
  }
  PseudoTerminal cable;
  const std::string path = cable.SlavePath();
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  ASSERT_EQ(info.st_uid, 0u);  // root opened the pseudo-terminal, so root owns it
  const std::string group = getgrgid(info.st_gid)->gr_name;
  const std::string denied = "COM1: cannot open " + path + ": Permission denied; ";

  ASSERT_EQ(chmod(path.c_str(), 0660), 0);
  EXPECT_EQ(LineOfAnUnprivilegedProgram(path),
            denied + "the device belongs to the group " + group + ": join it with 'sudo usermod -aG " + group +
                " $USER', then log out and in again");
  for (const mode_t ownerOnly : {0600u, 0640u, 0620u}) {
    ASSERT_EQ(chmod(path.c_str(), ownerOnly), 0);
    EXPECT_EQ(LineOfAnUnprivilegedProgram(path), denied + "only root may open it") << std::oct << ownerOnly;
  }
}

TEST(PortDiagnostics, LockedDeviceNamesTheProgramThatHoldsIt) {
  EnsureApplication();
  PseudoTerminal cable;
  QSerialPort holder;
  holder.setPortName(QString::fromStdString(cable.SlavePath()));
  ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
  const OpenFailure failure = DiagnoseOpenFailure(cable.SlavePath(), "Qt's words");
  EXPECT_EQ(failure.fault, OpenFault::BUSY);
  EXPECT_EQ(OpenFailureLine("COM2", cable.SlavePath(), failure),
            "COM2: cannot open " + cable.SlavePath() + ": locked by another program; held by link_tests (PID " +
                std::to_string(getpid()) + ")");
}

TEST(PortDiagnostics, WhatIsNoSerialPortIsCalledSo) {
  TempDir dir;
  ASSERT_TRUE(WriteWholeFile(dir.File("image.img"), {1, 2, 3}));
  for (const std::string &path : {std::string("/dev/null"), dir.File("image.img"), dir.Path()}) {
    EXPECT_EQ(OpenFailureLine("COM1", path, DiagnoseOpenFailure(path, "Inappropriate ioctl for device")),
              "COM1: " + path + " is not a serial port");
  }
}
