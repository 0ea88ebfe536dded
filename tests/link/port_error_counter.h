// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counts the errors a serial port reports, to tell one report from a storm of them.

#include <QObject>
#include <QSerialPort>

class PortErrorCounter {
 public:
  explicit PortErrorCounter(QSerialPort &port) {
    QObject::connect(&port, &QSerialPort::errorOccurred, &context, [this](QSerialPort::SerialPortError error) {
      if (error != QSerialPort::NoError) {
        ++errors;
      }
    });
  }
  int Count() const { return errors; }

 private:
  QObject context;  // ends the connection with the counter
  int errors = 0;
};
