// zentor-cli ports: where COM1 and COM2 lead now, and every serial device present.

#include <QCommandLineParser>
#include <QSerialPortInfo>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "command_line.h"
#include "commands.h"
#include "port_device.h"

namespace {

// The kernel driver behind a tty, as sysfs names it ("ftdi_sio", "cp210x", "serial8250").
std::string DriverOf(const std::string &deviceName) {
  std::error_code error;
  const std::filesystem::path driver =
      std::filesystem::read_symlink("/sys/class/tty/" + deviceName + "/device/driver", error);
  return error ? std::string() : driver.filename().string();
}

// Whether this user may open the device, and if not, the usual cure.
std::string AccessOf(const std::string &path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return "missing";
  if (::access(path.c_str(), R_OK | W_OK) == 0) return "may open";
  const group *owner = ::getgrgid(status.st_gid);
  return owner == nullptr ? std::string("no permission")
                          : "no permission (join group " + std::string(owner->gr_name) + ")";
}

std::string UsbIds(const QSerialPortInfo &port) {
  if (!port.hasVendorIdentifier() || !port.hasProductIdentifier()) return "-";
  return QStringLiteral("%1:%2")
      .arg(port.vendorIdentifier(), 4, 16, QLatin1Char('0'))
      .arg(port.productIdentifier(), 4, 16, QLatin1Char('0'))
      .toStdString();
}

}  // namespace

int RunPortsCommand(const QStringList &arguments, const CommandSyntax &syntax) {
  QCommandLineParser parser;
  if (const int status = ParseCommand(parser, arguments, syntax); status >= 0) return status;

  for (const char *portName : {"COM1", "COM2"}) {
    const std::string path = PortDevicePath(portName);
    std::cout << portName << "  " << path << "  " << AccessOf(path) << '\n';
  }
  std::cout << "\nSerial devices present:\n";
  const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
  if (ports.isEmpty()) std::cout << "  none\n";
  for (const QSerialPortInfo &port : ports) {
    const std::string path = port.systemLocation().toStdString();
    const std::string description = port.description().isEmpty() ? "-" : port.description().toStdString();
    const std::string driver = DriverOf(port.portName().toStdString());
    std::cout << "  " << path << "  " << UsbIds(port) << "  " << description << "  driver "
              << (driver.empty() ? "-" : driver) << "  " << AccessOf(path) << '\n';
  }
  std::cout << "\nCOM1 and COM2 follow ZENTOR_COM1 and ZENTOR_COM2 when set; -p also takes a device path.\n"
            << std::flush;
  return EXIT_DONE;
}
