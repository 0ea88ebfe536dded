// SPDX-License-Identifier: GPL-3.0-or-later
// zentor-cli: the channel programmer's work from the command line, for scripts, backups and
// programming radios in series. The editor window is left as it is.

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <iostream>
#include <string>

#include "command_line.h"
#include "commands.h"
#include "local_bytes.h"
#include "standard_output.h"
#include "zentor_version.h"

namespace {

void PrintProgramHelp(std::ostream &out) {
  out << "Usage: " << PROGRAM_NAME << " COMMAND [options] [arguments]\n"
      << "Reads, writes, shows, checks and compares the memory of a ZENTOR radio. An image file\n"
      << "holds the radio's 187 bytes and nothing else.\n\nCommands:\n";
  for (const Command &command : COMMANDS) {
    const std::string name = command.syntax.name;
    out << "  " << name << std::string(9 - name.size(), ' ') << command.syntax.summary << '\n';
  }
  out << "\n'" << PROGRAM_NAME << " COMMAND --help' tells more about a command.\n"
      << "Exit status: 0 done; 1 the radio, a file or a channel rule failed, or (diff) the images\n"
      << "differ, as diff(1) does; 2 a wrong command line.\n"
      << "\nFiles: what a command reads must be a regular file. A file it writes is replaced whole or\n"
      << "not at all, through a symbolic link to the link's target; a device, FIFO or directory of\n"
      << "that name is refused and left alone, and so is an output that names one of the command's\n"
      << "inputs. 'write FILE --backup OLD' refuses an OLD that exists unless --force is given.\n"
      << "\nEvery image read from a radio or written to one, here and in the window, is kept in\n"
      << "$XDG_DATA_HOME/zentor/history/ (~/.local/share/zentor/history/); 'history' lists them,\n"
      << "each of one kind: read (what a radio held, also a write's --backup read), write (what was\n"
      << "sent) or verify (the read-back of write --verify).\n"
      << "ZENTOR_HISTORY=off keeps nothing.\n"
      << std::flush;
}

int RunProgram(const QStringList &arguments) {
  if (arguments.size() < 2) {
    PrintProgramHelp(std::cerr);
    return EXIT_USAGE;
  }
  const QString first = arguments.at(1);
  if (first == "--help" || first == "-h" || first == "help") {
    PrintProgramHelp(std::cout);
    return EXIT_DONE;
  }
  if (first == "--version" || first == "-v") {
    std::cout << PROGRAM_NAME << ' ' << ZENTOR_VERSION << '\n' << ZENTOR_VERSION_NOTICE << std::flush;
    return EXIT_DONE;
  }
  const auto command = std::find_if(COMMANDS.begin(), COMMANDS.end(), [&](const Command &candidate) {
    return first == QLatin1String(candidate.syntax.name);
  });
  if (command == COMMANDS.end()) {
    Complain(QStringLiteral("unknown command '%1'\nTry '%2 --help'.").arg(first, QLatin1String(PROGRAM_NAME)));
    return EXIT_USAGE;
  }
  return command->run(arguments.mid(1), command->syntax);
}

}  // namespace

int main(int argc, char *argv[]) {
  ReserveStandardDescriptors();
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName(PROGRAM_NAME);
  QCoreApplication::setApplicationVersion(ZENTOR_VERSION);
  CheckedStandardOutput output;
  // Not QCoreApplication::arguments(): that loses file names that are not UTF-8.
  return output.Finish(RunProgram(ArgumentsOf(argc, argv)));
}
