// SPDX-License-Identifier: GPL-3.0-or-later
#include "serial_devices.h"

#include <unistd.h>

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QString>

namespace {

std::string HexId(quint16 id) { return QString::asprintf("%04x", id).toStdString(); }

std::string KernelDriver(const QString &deviceName) {
  // The tty's device is the USB serial port (ch341-uart, pl2303, ftdi_sio) or the USB interface
  // (cdc_acm); its driver link names the driver.
  const QFileInfo driver(QStringLiteral("/sys/class/tty/%1/device/driver").arg(deviceName));
  return driver.isSymLink() ? QFileInfo(driver.symLinkTarget()).fileName().toStdString() : std::string();
}

}  // namespace

std::vector<SerialDevice> PresentSerialDevices() {
  std::vector<SerialDevice> devices;
  for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
    SerialDevice device;
    device.path = info.systemLocation().toStdString();
    if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
      device.usbId = HexId(info.vendorIdentifier()) + ":" + HexId(info.productIdentifier());
    }
    device.description = info.description().toStdString();
    device.driver = KernelDriver(info.portName());
    device.mayOpen = access(device.path.c_str(), R_OK | W_OK) == 0;
    devices.push_back(device);
  }
  return devices;
}

std::string SerialDeviceSummary(const SerialDevice &device) {
  std::string details;
  const auto add = [&details](const std::string &part) {
    details += (details.empty() ? "" : ", ") + part;
  };
  if (!device.usbId.empty()) {
    add("USB " + device.usbId);
  }
  if (!device.description.empty()) {
    add(device.description);
  }
  if (!device.driver.empty()) {
    add("driver " + device.driver);
  }
  add(device.mayOpen ? "may open" : "no permission");
  return device.path + " (" + details + ")";
}

std::string SerialDeviceList(const std::vector<SerialDevice> &devices) {
  if (devices.empty()) {
    return "none";
  }
  std::string list;
  for (const SerialDevice &device : devices) {
    list += (list.empty() ? "" : "; ") + SerialDeviceSummary(device);
  }
  return list;
}
