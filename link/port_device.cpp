// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_device.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <vector>

namespace {

struct PortChoice {
  const char *portName;
  const char *overrideVariable;
  std::size_t byIdPosition;
  const char *defaultPath;
};

constexpr std::array<PortChoice, 2> PORT_CHOICES = {{
    {"COM1", "ZENTOR_COM1", 0, "/dev/ttyS0"},
    {"COM2", "ZENTOR_COM2", 1, "/dev/ttyS1"},
}};

std::vector<std::string> SortedEntries(const std::string &folder) {
  std::vector<std::string> names;
  DIR *directory = opendir(folder.c_str());
  if (directory == nullptr) {
    return names;  // no USB serial device: udev removes the folder with the last one
  }
  while (const dirent *entry = readdir(directory)) {
    if (entry->d_name[0] != '.') {
      names.emplace_back(entry->d_name);
    }
  }
  closedir(directory);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::string ResolvedPath(const std::string &path) {
  std::array<char, PATH_MAX> resolved{};
  // A link that leads nowhere is kept as it is: the open then fails with its own reason.
  return realpath(path.c_str(), resolved.data()) != nullptr ? std::string(resolved.data()) : path;
}

std::string PortDeviceLabel(const PortDevice &device) {
  return device.link.empty() ? device.path : device.link + " -> " + device.path;
}

PortDevice LookUpPortDevice(const std::string &portName, const std::string &byIdFolder) {
  for (const PortChoice &choice : PORT_CHOICES) {
    if (portName != choice.portName) {
      continue;
    }
    // An empty variable counts as unset, so "ZENTOR_COM1=" cannot turn COM1 into no device.
    const char *overridePath = std::getenv(choice.overrideVariable);
    if (overridePath != nullptr && overridePath[0] != '\0') {
      // Locked and opened under the device's own name, so that other programs' locks on it are
      // seen, and ours by them.
      // Named as a link only when it is one: a relative name made absolute is the same file.
      struct stat status {};
      const bool isLink = lstat(overridePath, &status) == 0 && S_ISLNK(status.st_mode);
      const std::string device = ResolvedPath(overridePath);
      return {device, choice.overrideVariable, isLink && device != overridePath ? overridePath : std::string()};
    }
    const std::vector<std::string> entries = SortedEntries(byIdFolder);
    if (choice.byIdPosition < entries.size()) {
      const std::string &entry = entries[choice.byIdPosition];
      return {ResolvedPath(byIdFolder + "/" + entry), entry, std::string()};
    }
    return {choice.defaultPath, std::string(), std::string()};
  }
  return {};
}

std::string PortDevicePath(const std::string &portName, const std::string &byIdFolder) {
  return LookUpPortDevice(portName, byIdFolder).path;
}

std::string PortDeviceDescription(const std::string &portName, const std::string &byIdFolder) {
  const PortDevice device = LookUpPortDevice(portName, byIdFolder);
  if (device.path.empty()) {
    return std::string();
  }
  std::string text = portName + ": " + PortDeviceLabel(device);
  if (!device.origin.empty()) {
    text += " (" + device.origin + ")";
  }
  return text;
}
