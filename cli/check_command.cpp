// SPDX-License-Identifier: GPL-3.0-or-later
// zentor-cli check: the channel rules over all 16 channels, every failure listed.

#include <QCommandLineParser>

#include <iostream>

#include "channel_check.h"
#include "command_line.h"
#include "commands.h"

int RunCheckCommand(const QStringList &arguments, const CommandSyntax &syntax) {
  QCommandLineParser parser;
  parser.addPositionalArgument("FILE", "Image file of 187 bytes.");
  if (const int status = ParseCommand(parser, arguments, syntax); status >= 0) return status;

  ChannelImage image;
  if (!LoadImageFile(parser.positionalArguments().at(0), image)) return EXIT_FAILED;
  const std::vector<ChannelFailure> failures = FailingChannels(image);
  for (const ChannelFailure &failure : failures) std::cout << FailureLine(failure) << '\n';
  if (failures.empty()) std::cout << "all 16 channels pass\n";
  std::cout << std::flush;
  return failures.empty() ? EXIT_DONE : EXIT_FAILED;
}
