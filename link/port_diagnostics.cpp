// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_diagnostics.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "channel_image.h"
#include "serial_devices.h"

namespace {

OpenFailure WithFault(OpenFault fault, const std::string &reason) {
  OpenFailure failure;
  failure.fault = fault;
  failure.reason = reason;
  return failure;
}

OpenFailure WithFault(OpenFault fault, int error) { return WithFault(fault, std::strerror(error)); }

OpenFailure FromOpenError(int error, const struct stat &info) {
  switch (error) {
    case EACCES:
    case EPERM: {
      OpenFailure failure = WithFault(OpenFault::PERMISSION, error);
      failure.group = GroupThatMayOpen(info);
      if (failure.group.empty()) {
        failure.owner = OwnerOnlyText(info);
      }
      return failure;
    }
    case EBUSY:
      return WithFault(OpenFault::BUSY, error);
    case ENXIO:
    case ENODEV:
    case EIO:  // a built-in port's name with no UART behind it, as on most laptops
      return WithFault(OpenFault::NO_DEVICE, error);
    default:
      return WithFault(OpenFault::OTHER, error);
  }
}

// Qt words a failed open with the system's text for its errno, so the text gives the errno back.
OpenFailure FromPortErrorText(const std::string &reason, const struct stat &info) {
  for (const int error : {ENOTTY, EBUSY, EIO, ENXIO, ENODEV, EACCES, EPERM}) {
    if (reason == std::strerror(error)) {
      // Opened, but no terminal: /dev/null, a sound card.
      return error == ENOTTY ? WithFault(OpenFault::NOT_A_PORT, "not a serial port") : FromOpenError(error, info);
    }
  }
  return WithFault(OpenFault::OTHER, reason);
}

std::string PortAndDevice(const std::string &portName, const std::string &device) {
  return portName + " (" + device + "): ";
}

}  // namespace

std::optional<OpenFailure> LockRefusal(const PortLocks &locks) {
  switch (locks.state) {
    case LockState::HELD: {
      OpenFailure failure = WithFault(OpenFault::BUSY, "locked by another program");
      failure.holder = locks.holder;
      return failure;
    }
    case LockState::REFUSED:
      return WithFault(OpenFault::LOCKED, locks.reason);
    case LockState::FREE:
      break;
  }
  return std::nullopt;
}

OpenFailure DiagnoseOpenFailure(const std::string &devicePath, const std::string &fallbackReason,
                                const std::vector<std::string> &lockFolders) {
  // Never by opening the device: on a serial port the open alone raises DTR and RTS, which
  // some programming cables take for a signal.
  OpenFailure failure;
  struct stat info {};
  if (stat(devicePath.c_str(), &info) != 0) {
    failure = WithFault(OpenFault::NO_DEVICE, errno);
  } else if (!S_ISCHR(info.st_mode)) {
    failure = WithFault(OpenFault::NOT_A_PORT, "not a serial port");
  } else if (std::optional<OpenFailure> locked = LockRefusal(CheckPortLocks(devicePath, lockFolders))) {
    failure = *locked;
  } else if (faccessat(AT_FDCWD, devicePath.c_str(), R_OK | W_OK, AT_EACCESS) != 0) {
    failure = FromOpenError(errno, info);
  } else {
    failure = FromPortErrorText(fallbackReason, info);
  }
  if (failure.fault == OpenFault::NO_DEVICE) {
    // The device itself is not among them: the line names it once.
    std::vector<SerialDevice> others = PresentSerialDevices();
    others.erase(std::remove_if(others.begin(), others.end(),
                                [&](const SerialDevice &present) { return present.path == devicePath; }),
                 others.end());
    failure.present = SerialDeviceList(others);
  }
  return failure;
}

std::string GroupThatMayOpen(const struct stat &info) {
  if ((info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP)) {
    return std::string();
  }
  const group *entry = getgrgid(info.st_gid);
  return entry != nullptr ? std::string(entry->gr_name) : std::to_string(info.st_gid);
}

std::string OwnerOnlyText(const struct stat &info) {
  if (info.st_uid == 0) {
    return "only root may open it";
  }
  const passwd *entry = getpwuid(info.st_uid);
  const std::string owner = entry != nullptr ? std::string(entry->pw_name) : std::to_string(info.st_uid);
  return "only its owner " + owner + " (or root) may open it";
}

std::string OpenFailureText(const std::string &device, const OpenFailure &failure) {
  if (failure.fault == OpenFault::NOT_A_PORT) {
    return device + " is not a serial port";
  }
  std::string line = "cannot open " + device + ": " + failure.reason;
  switch (failure.fault) {
    case OpenFault::NO_DEVICE:
      line += "; serial devices present: " + failure.present;
      break;
    case OpenFault::PERMISSION:
      if (failure.group.empty()) {
        line += "; " + failure.owner;
      } else {
        line += "; the device belongs to the group " + failure.group + ": join it with 'sudo usermod -aG " +
                failure.group + " $USER', then log out and in again";
      }
      break;
    case OpenFault::BUSY:
      // The usual suspects only where no lock file named the holder: they keep none.
      line += failure.holder.empty() ? "; another program holds it (ModemManager and brltty are the usual suspects)"
                                     : "; held by " + failure.holder;
      break;
    case OpenFault::NOT_A_PORT:
    case OpenFault::LOCKED:
    case OpenFault::OTHER:
      break;
  }
  return line;
}

std::string OpenFailureLine(const std::string &portName, const std::string &device, const OpenFailure &failure) {
  return portName + ": " + OpenFailureText(device, failure);
}

std::string ReadFailureLine(const std::string &portName, const std::string &device, ReplyFault fault,
                            std::size_t bytesArrived, std::size_t replySize) {
  const std::string counted = std::to_string(bytesArrived) + " of " + std::to_string(replySize) + " bytes arrived";
  switch (fault) {
    case ReplyFault::NO_REPLY:
      return PortAndDevice(portName, device) +
             "no reply: the radio did not answer; check that the cable is fully in, the radio is "
             "switched on, and " + portName + " is the cable's port";
    case ReplyFault::CUT_SHORT:
      return PortAndDevice(portName, device) + "bad reply: only " + counted + "; the reply was cut short";
    case ReplyFault::ZERO_MARKER:
    case ReplyFault::NONE:
      break;
  }
  return PortAndDevice(portName, device) + "bad reply: " + counted + " and byte " +
         std::to_string(REPLY_MARKER_OFFSET) + ", the reply marker, is zero";
}

std::string ShortWriteLine(const std::string &portName, const std::string &device, std::size_t bytesHanded,
                           std::size_t frameSize) {
  return PortAndDevice(portName, device) + "write fell short: only " + std::to_string(bytesHanded) + " of the " +
         std::to_string(frameSize) + " bytes went to the device";
}
