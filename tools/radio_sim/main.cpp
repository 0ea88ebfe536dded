// SPDX-License-Identifier: GPL-3.0-or-later
// zentor-radio-sim: a simulated radio on a pseudo-terminal, for end-to-end tests and for trying
// the programmer without a radio. See --help.

#include <cstdio>
#include <string>

#include "memory_files.h"
#include "radio_simulator.h"
#include "sample_memory.h"
#include "sim_options.h"
#include "stop_signal.h"
#include "zentor_version.h"

int main(int argc, char **argv) {
  const ParsedOptions parsed = ParseSimOptions(argc, argv);
  const std::string programName = argc > 0 ? argv[0] : "zentor-radio-sim";
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", programName.c_str(), parsed.error.c_str(),
                 programName.c_str());
    return 2;
  }
  const SimOptions &options = parsed.options;
  if (options.help) {
    std::fputs(SimUsageText(programName).c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("zentor-radio-sim %s\n%s", ZENTOR_VERSION, ZENTOR_VERSION_NOTICE);
    return 0;
  }

  RadioMemory memory = BuildSampleMemory();
  if (!options.memoryPath.empty()) {
    if (std::string error = LoadMemoryFile(options.memoryPath, memory); !error.empty()) {
      std::fprintf(stderr, "%s: %s\n", programName.c_str(), error.c_str());
      return 1;
    }
  }

  const int stopFd = InstallStopSignalHandlers();
  if (stopFd < 0) {
    std::perror("zentor-radio-sim: pipe");
    return 1;
  }
  if (options.fault == Fault::REFUSE) return RunRefusingRadio(options, stopFd);
  RadioSimulator simulator(options, memory);
  return simulator.Run(stopFd);
}
