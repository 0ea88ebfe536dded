#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "port_device.h"

namespace {

class PortDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearOverrides(); }
  void TearDown() override { ClearOverrides(); }
  static void ClearOverrides() {
    unsetenv("ZENTOR_COM1");
    unsetenv("ZENTOR_COM2");
  }
};

struct MappingCase {
  const char *portName;
  const char *expectedPath;
};

}  // namespace

TEST_F(PortDeviceTest, ComPortsMapToTheFirstTwoSerialDevices) {
  const MappingCase cases[] = {{"COM1", "/dev/ttyS0"}, {"COM2", "/dev/ttyS1"}};
  for (const MappingCase &mapping : cases) {
    EXPECT_EQ(PortDevicePath(mapping.portName), mapping.expectedPath) << mapping.portName;
  }
}

TEST_F(PortDeviceTest, EnvironmentNamesAnotherDeviceForItsPortOnly) {
  setenv("ZENTOR_COM1", "/dev/ttyUSB0", 1);
  EXPECT_EQ(PortDevicePath("COM1"), "/dev/ttyUSB0");
  EXPECT_EQ(PortDevicePath("COM2"), "/dev/ttyS1");

  setenv("ZENTOR_COM2", "/dev/pts/7", 1);
  EXPECT_EQ(PortDevicePath("COM2"), "/dev/pts/7");
  EXPECT_EQ(PortDevicePath("COM1"), "/dev/ttyUSB0");
}

TEST_F(PortDeviceTest, EmptyVariableKeepsTheSerialDevice) {
  setenv("ZENTOR_COM1", "", 1);
  EXPECT_EQ(PortDevicePath("COM1"), "/dev/ttyS0");
}

TEST_F(PortDeviceTest, EnvironmentIsReadAfreshAtEveryCall) {
  setenv("ZENTOR_COM1", "/dev/ttyUSB0", 1);
  EXPECT_EQ(PortDevicePath("COM1"), "/dev/ttyUSB0");
  setenv("ZENTOR_COM1", "/dev/ttyUSB1", 1);
  EXPECT_EQ(PortDevicePath("COM1"), "/dev/ttyUSB1");
  unsetenv("ZENTOR_COM1");
  EXPECT_EQ(PortDevicePath("COM1"), "/dev/ttyS0");
}

TEST_F(PortDeviceTest, OtherNamesHaveNoDevice) {
  setenv("ZENTOR_COM1", "/dev/ttyUSB0", 1);
  for (const char *name : {"", "COM3", "com1", "COM", "COM10", "/dev/ttyS0", "ttyS0"}) {
    EXPECT_EQ(PortDevicePath(name), "") << name;
  }
}
