// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark runner. The editor benchmarks need one QApplication for the whole run; it runs on
// the offscreen platform unless QT_QPA_PLATFORM names another, so the figures do not depend on a
// display server.

#include <QApplication>
#include <benchmark/benchmark.h>

#include "benchmark_checks.h"

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  benchmark::AddCustomContext("qt_platform", QGuiApplication::platformName().toStdString());
  benchmark::AddCustomContext("qt_version", qVersion());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return AnyRequirementFailed() ? 1 : 0;
}
