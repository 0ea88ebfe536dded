// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One line of plain words for each way a transfer goes wrong, for standard error (and so the
// user's journal): the message boxes name no device and no reason, these lines do.

#include <sys/stat.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "port_lock_holder.h"
#include "reply_judgement.h"

// LOCKED: a lock file that names no live holder keeps the port closed; the reason names the file.
enum class OpenFault { NO_DEVICE, NOT_A_PORT, PERMISSION, BUSY, LOCKED, OTHER };

struct OpenFailure {
  OpenFault fault = OpenFault::OTHER;
  std::string reason;   // the system's words
  std::string group;    // PERMISSION: the group to join, when its members may read and write
  std::string owner;    // PERMISSION: the owner, when joining the group would not help
  std::string holder;   // BUSY: "minicom (PID 1234)", where a lock file names it
  std::string present;  // NO_DEVICE: the serial devices that are present (SerialDeviceList)
};

// The refusal the lock files on a device make (port_lock_holder.h); nothing when they leave it free.
std::optional<OpenFailure> LockRefusal(const PortLocks &locks);

// Finds out why `devicePath` could not be opened, without opening it: from what the system says
// of the device and of this user, the lock files in `lockFolders`, and `fallbackReason`, the
// port's own error text, which stands where none of them tells more.
OpenFailure DiagnoseOpenFailure(const std::string &devicePath, const std::string &fallbackReason,
                                const std::vector<std::string> &lockFolders = SerialLockFolders());

// For a device that refuses this user: the group whose members may read and write it, or empty
// when its group may not, so that joining it would not help.
std::string GroupThatMayOpen(const struct stat &info);
// "only its owner alice (or root) may open it", or "only root may open it".
std::string OwnerOnlyText(const struct stat &info);

// "cannot open /dev/ttyUSB0: Permission denied; the device belongs to the group dialout: ...".
// `device` names the device as the user knows it (PortDeviceLabel); the line names it once.
std::string OpenFailureText(const std::string &device, const OpenFailure &failure);
// The same, after the port's name: "COM1: cannot open ..."
std::string OpenFailureLine(const std::string &portName, const std::string &device, const OpenFailure &failure);

// A read that JudgeReply refused, after `bytesArrived` of `replySize` bytes.
std::string ReadFailureLine(const std::string &portName, const std::string &device, ReplyFault fault,
                            std::size_t bytesArrived, std::size_t replySize);

// A write of which only `bytesHanded` of `frameSize` bytes went to the device.
std::string ShortWriteLine(const std::string &portName, const std::string &device, std::size_t bytesHanded,
                           std::size_t frameSize);
