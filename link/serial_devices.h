// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial devices present on this machine, as a user troubleshooting a cable needs to see
// them: which chip, which driver, and whether this user may open them.

#include <string>
#include <vector>

struct SerialDevice {
  std::string path;         // /dev/ttyUSB0
  std::string usbId;        // "1a86:7523"; empty when the device is not on USB
  std::string description;  // as the device names itself; may be empty
  std::string driver;       // the kernel driver, where sysfs names it
  bool mayOpen = false;     // this user has read and write permission
};

std::vector<SerialDevice> PresentSerialDevices();

// "/dev/ttyUSB0 (USB 1a86:7523, USB2.0-Serial, driver ch341-uart, may open)"
std::string SerialDeviceSummary(const SerialDevice &device);

// The summaries joined with "; ", or "none" for an empty list.
std::string SerialDeviceList(const std::vector<SerialDevice> &devices);
