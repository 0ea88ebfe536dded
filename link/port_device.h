// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which device each name of the editor's port list opens on this machine, looked up afresh at
// every call, so a cable plugged in after start-up counts from the next transfer.

#include <string>

// udev's stable names, one per USB serial device present.
constexpr const char *SERIAL_BY_ID_FOLDER = "/dev/serial/by-id";

struct PortDevice {
  std::string path;    // the device the open uses; empty for a name that is no port
  std::string origin;  // why: the override variable or the by-id entry; empty for the default
  std::string link;    // the path as the variable names it, where that is a link to elsewhere; else empty
};

// In this order, for "COM1" (and "COM2" likewise):
//   ZENTOR_COM1, when set and not empty, resolved to the device it leads to (a by-id link, say);
//   else the first entry, by name, of `byIdFolder`, resolved to the device it leads to (COM2
//   takes the second), so that the lock file agrees with every other program's;
//   else /dev/ttyS0 (COM2: /dev/ttyS1).
PortDevice LookUpPortDevice(const std::string &portName,
                            const std::string &byIdFolder = SERIAL_BY_ID_FOLDER);

std::string PortDevicePath(const std::string &portName,
                           const std::string &byIdFolder = SERIAL_BY_ID_FOLDER);

// The device as messages name it: "/dev/serial/by-id/usb-1a86-if00 -> /dev/ttyUSB0" for a
// link, else its path.
std::string PortDeviceLabel(const PortDevice &device);

// The path resolved through every link to what it leads to; as it stands when it leads nowhere.
std::string ResolvedPath(const std::string &path);

// "COM1: /dev/ttyUSB0 (usb-1a86_USB2.0-Serial-if00-port0)", or "COM1: /dev/ttyS0".
std::string PortDeviceDescription(const std::string &portName,
                                  const std::string &byIdFolder = SERIAL_BY_ID_FOLDER);
