// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/ioctl.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "other_program_open.h"
#include "radio_port_fixture.h"

TEST_F(RadioPortTest, SecondOpenInThisProgramFailsUntilTheFirstCloses) {
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  RadioPort other;
  EXPECT_EQ(other.OpenRadioPort("COM1"), 0);
  EXPECT_FALSE(other.portHandle.isOpen());
  EXPECT_TRUE(port.portHandle.isOpen());

  port.CloseRadioPort();
  EXPECT_EQ(other.OpenRadioPort("COM1"), 1);
  other.CloseRadioPort();
}

TEST_F(RadioPortTest, OtherProgramsCannotOpenTheDeviceWhileTheTransferHoldsIt) {
  ASSERT_EQ(port.OpenRadioPort("COM1"), 1);
  int exclusive = 0;
  ASSERT_EQ(ioctl(port.portHandle.handle(), TIOCGEXCL, &exclusive), 0);
  EXPECT_NE(exclusive, 0);
  EXPECT_EQ(OpenErrorForOtherProgram(radio.SlavePath()), EBUSY);

  port.CloseRadioPort();
  EXPECT_EQ(OpenErrorForOtherProgram(radio.SlavePath()), 0);
}

TEST_F(RadioPortTest, MissingDeviceGivesZeroAndCloseAfterItIsHarmless) {
  for (const char *portName : {"COM1", "COM3"}) {
    setenv("ZENTOR_COM1", "/nonexistent/ttyZ0", 1);
    EXPECT_EQ(port.OpenRadioPort(portName), 0) << portName;
    EXPECT_FALSE(port.portHandle.isOpen());
    port.CloseRadioPort();
    port.CloseRadioPort();
    const std::vector<std::uint8_t> request = {0xFF, 0x00, 0xFF, 0x00};
    port.StartPortWrite(request.data(), static_cast<int>(request.size()));
    port.StartReplyRead();
    EXPECT_FALSE(port.portHandle.isOpen());
  }
  setenv("ZENTOR_COM1", radio.SlavePath().c_str(), 1);
  EXPECT_EQ(port.OpenRadioPort("COM1"), 1);
}
