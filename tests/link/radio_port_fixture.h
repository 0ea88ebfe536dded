// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A radio port whose COM1 is the slave side of a fresh pseudo-terminal, and whose lock folder is
// the test's own, never the system's.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>

#include "link_test_support.h"
#include "pseudo_terminal.h"
#include "radio_port.h"
#include "sim_process.h"

class RadioPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("ZENTOR_COM1", radio.SlavePath().c_str(), 1);
    port.SetLockFolders({locks.Path()});
  }
  void TearDown() override {
    port.CloseRadioPort();
    unsetenv("ZENTOR_COM1");
  }

  // A second descriptor on the device, opened the way a test needs it before the port takes
  // the device exclusively; raw, so the line discipline neither echoes nor edits test bytes.
  int OpenRawSlave() {
    const int fd = open(radio.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd >= 0) {
      termios settings{};
      tcgetattr(fd, &settings);
      cfmakeraw(&settings);
      tcsetattr(fd, TCSANOW, &settings);
    }
    return fd;
  }

  ApplicationGuard application;
  PseudoTerminal radio;
  TempDir locks;
  RadioPort port;
};
