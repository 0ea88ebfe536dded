#include "port_device.h"

#include <array>
#include <cstdlib>

namespace {

struct PortDevice {
  const char *portName;
  const char *overrideVariable;
  const char *defaultPath;
};

constexpr std::array<PortDevice, 2> PORT_DEVICES = {{
    {"COM1", "ZENTOR_COM1", "/dev/ttyS0"},
    {"COM2", "ZENTOR_COM2", "/dev/ttyS1"},
}};

}  // namespace

std::string PortDevicePath(const std::string &portName) {
  for (const PortDevice &device : PORT_DEVICES) {
    if (portName != device.portName) {
      continue;
    }
    // An empty variable counts as unset, so "ZENTOR_COM1=" cannot turn COM1 into no device.
    const char *overridePath = std::getenv(device.overrideVariable);
    if (overridePath != nullptr && overridePath[0] != '\0') {
      return overridePath;
    }
    return device.defaultPath;
  }
  return std::string();
}
