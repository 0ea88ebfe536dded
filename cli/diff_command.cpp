// SPDX-License-Identifier: GPL-3.0-or-later
// zentor-cli diff: per channel and field, what differs between two image files.

#include <QCommandLineParser>

#include <iostream>

#include "command_line.h"
#include "commands.h"
#include "image_differences.h"

int RunDiffCommand(const QStringList &arguments, const CommandSyntax &syntax) {
  QCommandLineParser parser;
  parser.addPositionalArgument("A", "Image file of 187 bytes.");
  parser.addPositionalArgument("B", "Image file of 187 bytes, compared with A.");
  if (const int status = ParseCommand(parser, arguments, syntax); status >= 0) return status;

  ChannelImage a;
  ChannelImage b;
  if (!LoadImageFile(parser.positionalArguments().at(0), a) ||
      !LoadImageFile(parser.positionalArguments().at(1), b)) {
    return EXIT_FAILED;
  }
  const std::vector<std::string> differences = ImageDifferences(a, b);
  for (const std::string &line : differences) std::cout << line << '\n';
  std::cout << std::flush;
  return differences.empty() ? EXIT_DONE : EXIT_FAILED;
}
