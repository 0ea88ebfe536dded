// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "port_device.h"
#include "pseudo_terminal.h"
#include "sim_process.h"

namespace {

// A folder standing in for /dev/serial/by-id, whose entries lead to pseudo-terminals.
class PortDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearOverrides(); }
  void TearDown() override { ClearOverrides(); }
  static void ClearOverrides() {
    unsetenv("ZENTOR_COM1");
    unsetenv("ZENTOR_COM2");
  }
  void AddDevice(const std::string &name, const PseudoTerminal &device) {
    ASSERT_EQ(symlink(device.SlavePath().c_str(), byId.File(name).c_str()), 0);
  }

  TempDir byId;
  PseudoTerminal cableA;
  PseudoTerminal cableB;
};

struct MappingCase {
  const char *portName;
  const char *expectedPath;
};

}  // namespace

TEST_F(PortDeviceTest, WithoutUsbSerialDevicesComPortsMapToTheFirstTwoSerialPorts) {
  const MappingCase cases[] = {{"COM1", "/dev/ttyS0"}, {"COM2", "/dev/ttyS1"}};
  for (const std::string &folder : {byId.Path(), byId.File("missing")}) {
    for (const MappingCase &mapping : cases) {
      EXPECT_EQ(PortDevicePath(mapping.portName, folder), mapping.expectedPath) << mapping.portName;
    }
  }
  EXPECT_EQ(PortDeviceDescription("COM2", byId.Path()), "COM2: /dev/ttyS1");
}

TEST_F(PortDeviceTest, UsbSerialDevicesTakeTheComNamesInTheOrderOfTheirNames) {
  AddDevice("usb-Prolific-if00-port0", cableB);
  EXPECT_EQ(PortDevicePath("COM1", byId.Path()), cableB.SlavePath());
  EXPECT_EQ(PortDevicePath("COM2", byId.Path()), "/dev/ttyS1");
  EXPECT_EQ(PortDeviceDescription("COM1", byId.Path()),
            "COM1: " + cableB.SlavePath() + " (usb-Prolific-if00-port0)");

  AddDevice("usb-1a86_USB2.0-Serial-if00-port0", cableA);  // plugged in later, first by name
  EXPECT_EQ(PortDevicePath("COM1", byId.Path()), cableA.SlavePath());
  EXPECT_EQ(PortDevicePath("COM2", byId.Path()), cableB.SlavePath());
}

TEST_F(PortDeviceTest, EnvironmentNamesAnotherDeviceForItsPortOnlyAndIsReadAtEveryCall) {
  AddDevice("usb-1a86_USB2.0-Serial-if00-port0", cableA);
  setenv("ZENTOR_COM2", "/dev/pts/77", 1);
  EXPECT_EQ(PortDevicePath("COM1", byId.Path()), cableA.SlavePath());
  EXPECT_EQ(PortDevicePath("COM2", byId.Path()), "/dev/pts/77");
  EXPECT_EQ(PortDeviceDescription("COM2", byId.Path()), "COM2: /dev/pts/77 (ZENTOR_COM2)");

  setenv("ZENTOR_COM1", "/dev/ttyUSB1", 1);
  EXPECT_EQ(PortDevicePath("COM1", byId.Path()), "/dev/ttyUSB1");
  // An empty variable counts as unset, so it cannot leave COM1 without a device.
  setenv("ZENTOR_COM1", "", 1);
  EXPECT_EQ(PortDevicePath("COM1", byId.Path()), cableA.SlavePath());
  unsetenv("ZENTOR_COM1");
  EXPECT_EQ(PortDevicePath("COM1", byId.File("missing")), "/dev/ttyS0");
}

TEST_F(PortDeviceTest, OtherNamesHaveNoDevice) {
  setenv("ZENTOR_COM1", "/dev/ttyUSB0", 1);
  AddDevice("usb-1a86_USB2.0-Serial-if00-port0", cableA);
  for (const char *name : {"", "COM3", "com1", "COM", "COM10", "/dev/ttyS0", "ttyS0"}) {
    EXPECT_EQ(PortDevicePath(name, byId.Path()), "") << name;
    EXPECT_EQ(PortDeviceDescription(name, byId.Path()), "") << name;
  }
}
