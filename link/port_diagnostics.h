// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One line of plain words for each way a transfer goes wrong, for standard error (and so the
// user's journal): the message boxes name no device and no reason, these lines do.

#include <cstddef>
#include <string>

enum class OpenFault { NO_DEVICE, PERMISSION, BUSY, OTHER };

struct OpenFailure {
  OpenFault fault = OpenFault::OTHER;
  std::string reason;   // the system's words
  std::string group;    // PERMISSION: the group the device belongs to
  std::string holder;   // BUSY: "minicom (PID 1234)", where a lock file names it
  std::string present;  // NO_DEVICE: the serial devices that are present (SerialDeviceList)
};

// Finds out why `devicePath` could not be opened. `fallbackReason` (the port's own error text)
// stands when the device opens now.
OpenFailure DiagnoseOpenFailure(const std::string &devicePath, const std::string &fallbackReason);

// "cannot open /dev/ttyUSB0: Permission denied; the device belongs to the group dialout: ..."
std::string OpenFailureText(const std::string &devicePath, const OpenFailure &failure);
// The same, after the port's name: "COM1: cannot open ..."
std::string OpenFailureLine(const std::string &portName, const std::string &devicePath,
                            const OpenFailure &failure);

// A read that ended without the reply marker, after `bytesArrived` of `replySize` bytes.
std::string ReadFailureLine(const std::string &portName, const std::string &devicePath,
                            std::size_t bytesArrived, std::size_t replySize);

// A write of which only `bytesHanded` of `frameSize` bytes went to the device.
std::string ShortWriteLine(const std::string &portName, const std::string &devicePath,
                           std::size_t bytesHanded, std::size_t frameSize);
