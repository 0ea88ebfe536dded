// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_diagnostics.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "channel_image.h"
#include "port_lock_holder.h"
#include "serial_devices.h"

namespace {

std::string GroupName(gid_t gid) {
  const group *entry = getgrgid(gid);
  return entry != nullptr ? entry->gr_name : "dialout";
}

OpenFailure WithFault(OpenFault fault, int error) { return {fault, std::strerror(error), {}, {}, {}}; }

OpenFailure FromOpenError(int error, const struct stat &info) {
  switch (error) {
    case EACCES:
    case EPERM: {
      OpenFailure failure = WithFault(OpenFault::PERMISSION, error);
      failure.group = GroupName(info.st_gid);
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

std::string PortAndDevice(const std::string &portName, const std::string &devicePath) {
  return portName + " (" + devicePath + "): ";
}

}  // namespace

OpenFailure DiagnoseOpenFailure(const std::string &devicePath, const std::string &fallbackReason) {
  OpenFailure failure;
  struct stat info {};
  if (stat(devicePath.c_str(), &info) != 0) {
    failure = WithFault(OpenFault::NO_DEVICE, errno);
  } else if (std::string holder = LockHolderOf(devicePath); !holder.empty()) {
    failure = {OpenFault::BUSY, "locked by another program", {}, holder, {}};
  } else {
    // The port's own error text does not tell a lock from a permission, so ask the system.
    // Both fail before the driver opens the line, so the attempt changes nothing on the wire.
    const int fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd >= 0) {
      close(fd);
      failure = {OpenFault::OTHER, fallbackReason, {}, {}, {}};
    } else {
      failure = FromOpenError(errno, info);
    }
  }
  if (failure.fault == OpenFault::NO_DEVICE) {
    failure.present = SerialDeviceList(PresentSerialDevices());
  }
  return failure;
}

std::string OpenFailureText(const std::string &devicePath, const OpenFailure &failure) {
  std::string line = "cannot open " + devicePath + ": " + failure.reason;
  switch (failure.fault) {
    case OpenFault::NO_DEVICE:
      line += "; serial devices present: " + failure.present;
      break;
    case OpenFault::PERMISSION:
      line += "; the device belongs to the group " + failure.group + ": join it with 'sudo usermod -aG " +
              failure.group + " $USER', then log out and in again";
      break;
    case OpenFault::BUSY:
      line += "; " + (failure.holder.empty() ? "another program holds it" : "held by " + failure.holder) +
              " (ModemManager and brltty are the usual suspects)";
      break;
    case OpenFault::OTHER:
      break;
  }
  return line;
}

std::string OpenFailureLine(const std::string &portName, const std::string &devicePath,
                            const OpenFailure &failure) {
  return portName + ": " + OpenFailureText(devicePath, failure);
}

std::string ReadFailureLine(const std::string &portName, const std::string &devicePath,
                            std::size_t bytesArrived, std::size_t replySize) {
  if (bytesArrived == 0) {
    return PortAndDevice(portName, devicePath) +
           "no reply: the radio did not answer; check that the cable is fully in, the radio is "
           "switched on, and " + portName + " is the cable's port";
  }
  const std::string marker = "byte " + std::to_string(REPLY_MARKER_OFFSET) + ", the reply marker, ";
  return PortAndDevice(portName, devicePath) + "bad reply: " + std::to_string(bytesArrived) + " of " +
         std::to_string(replySize) + " bytes arrived and " + marker +
         (bytesArrived > REPLY_MARKER_OFFSET ? "is zero" : "is not among them");
}

std::string ShortWriteLine(const std::string &portName, const std::string &devicePath,
                           std::size_t bytesHanded, std::size_t frameSize) {
  return PortAndDevice(portName, devicePath) + "write fell short: only " + std::to_string(bytesHanded) +
         " of the " + std::to_string(frameSize) + " bytes went to the device";
}
