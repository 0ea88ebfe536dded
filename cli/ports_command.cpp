// SPDX-License-Identifier: GPL-3.0-or-later
// zentor-cli ports: where COM1 and COM2 lead now, and every serial device present.

#include <QCommandLineParser>
#include <sys/stat.h>
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "commands.h"
#include "port_device.h"
#include "port_diagnostics.h"
#include "serial_devices.h"

namespace {

// Whether this user may open the device, and if not, the usual cure.
std::string AccessOf(const std::string &path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return "missing";
  if (::access(path.c_str(), R_OK | W_OK) == 0) return "may open";
  const std::string group = GroupThatMayOpen(status);
  return "no permission (" + (group.empty() ? OwnerOnlyText(status) : "join group " + group) + ")";
}

}  // namespace

int RunPortsCommand(const QStringList &arguments, const CommandSyntax &syntax) {
  QCommandLineParser parser;
  if (const int status = ParseCommand(parser, arguments, syntax); status >= 0) return status;

  for (const char *portName : {"COM1", "COM2"}) {
    std::cout << PortDeviceDescription(portName) << "  " << AccessOf(PortDevicePath(portName)) << '\n';
  }
  std::cout << "\nSerial devices present:\n";
  const std::vector<SerialDevice> devices = PresentSerialDevices();
  if (devices.empty()) std::cout << "  none\n";
  for (const SerialDevice &device : devices) std::cout << "  " << SerialDeviceSummary(device) << '\n';
  std::cout << "\nCOM1 and COM2 follow ZENTOR_COM1 and ZENTOR_COM2 when set; -p also takes a device path.\n"
            << std::flush;
  return EXIT_DONE;
}
