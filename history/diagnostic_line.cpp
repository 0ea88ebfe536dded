// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnostic_line.h"

#include <QCoreApplication>
#include <QString>

void WriteDiagnosticLine(std::ostream &out, std::string line) {
  for (char &c : line) {
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  }
  const QString program = QCoreApplication::applicationName();
  out << (program.isEmpty() ? "zentor" : program.toStdString()) << ": " << line << std::endl;
}
