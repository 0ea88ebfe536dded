// SPDX-License-Identifier: GPL-3.0-or-later
// zentor-cli export and import: an image file as CHIRP's CSV, and back.

#include <QCommandLineParser>

#include <iostream>
#include <string>

#include "channel_check.h"
#include "chirp_csv.h"
#include "command_line.h"
#include "commands.h"
#include "regular_file.h"

namespace {

// A CHIRP file of 16 channels is a few kilobytes; anything this large is no such file, and is
// refused before it fills the memory.
constexpr std::size_t LARGEST_CSV_FILE = 1024 * 1024;

void ComplainAll(const std::vector<std::string> &errors) {
  for (const std::string &error : errors) Complain(error);
}

bool ReadCsvFile(const QString &path, std::string &text) {
  FileError error;
  if (ReadRegularFile(LocalPath(path), LARGEST_CSV_FILE, text, error)) return true;
  if (error.problem == FileProblem::TOO_LARGE) {
    Complain(QStringLiteral("%1 is larger than 1 MiB: no CHIRP file of 16 channels is").arg(path));
  } else {
    Complain(error.text);
  }
  return false;
}

bool WriteTextFile(const QString &path, const std::string &text) {
  FileError error;
  if (!ReplaceRegularFile(LocalPath(path), text, error)) {
    Complain(error.text);
    return false;
  }
  if (!error.warning.empty()) Complain(error.warning);
  return true;
}

}  // namespace

int RunExportCommand(const QStringList &arguments, const CommandSyntax &syntax) {
  QCommandLineParser parser;
  parser.addPositionalArgument("FILE", "Image file of 187 bytes.");
  const QCommandLineOption output({"o", "output"}, "Write the CSV to CSV instead of standard output.", "CSV");
  parser.addOption(output);
  if (const int status = ParseCommand(parser, arguments, syntax); status >= 0) return status;
  if (const int status = CheckOutputNames(parser, {output}, syntax); status >= 0) return status;
  if (parser.isSet(output) && !OutputIsNoInput(parser.value(output), {parser.positionalArguments().at(0)})) {
    return EXIT_FAILED;
  }

  ChannelImage image;
  if (!LoadImageFile(parser.positionalArguments().at(0), image)) return EXIT_FAILED;
  // A channel with a code the lists lack goes out without that code; the others are exported.
  const ChirpCsvExport exported = ExportChirpCsv(image);
  ComplainAll(exported.errors);
  const int status = exported.ok ? EXIT_DONE : EXIT_FAILED;
  if (!parser.isSet(output)) {
    std::cout << exported.text << std::flush;
    return status;
  }
  return WriteTextFile(parser.value(output), exported.text) ? status : EXIT_FAILED;
}

int RunImportCommand(const QStringList &arguments, const CommandSyntax &syntax) {
  QCommandLineParser parser;
  parser.addPositionalArgument("CSV", "CHIRP's CSV file.");
  const QCommandLineOption output({"o", "output"},
                                  "The image file to make (required). Nothing is written, and the exit "
                                  "status is 1, when a line is refused or a channel breaks the channel rules.",
                                  "FILE");
  const QCommandLineOption base("base",
                                "Take what CSV cannot carry from this image file, not from the start-up "
                                "image: the time limit and squelch of a line without those columns, the "
                                "band base when no line gives one, and image bytes 179 to 186. A channel "
                                "without a line is empty either way; the channels of FILE this empties "
                                "are named.",
                                "FILE");
  parser.addOptions({output, base});
  if (const int status = ParseCommand(parser, arguments, syntax); status >= 0) return status;
  if (const int status = CheckOutputNames(parser, {output}, syntax); status >= 0) return status;
  if (!parser.isSet(output)) {
    Complain("import: say where the image goes with -o FILE\nTry 'zentor-cli import --help'.");
    return EXIT_USAGE;
  }
  // The base may be the output: that updates an image in place, and it is read before the write.
  if (!OutputIsNoInput(parser.value(output), {parser.positionalArguments().at(0)})) return EXIT_FAILED;

  ChannelImage baseImage;
  if (parser.isSet(base) && !LoadImageFile(parser.value(base), baseImage)) return EXIT_FAILED;
  std::string text;
  if (!ReadCsvFile(parser.positionalArguments().at(0), text)) return EXIT_FAILED;
  const ChirpCsvImport imported = ImportChirpCsv(text, parser.isSet(base) ? &baseImage : nullptr);
  if (!imported.ok) {
    ComplainAll(imported.errors);
    Complain("nothing written");
    return EXIT_FAILED;
  }
  // Every field the rules look at is a CSV column, so the file itself can always be put right;
  // writing the image anyway could replace a good one with one the radio will not take.
  const std::vector<ChannelFailure> failures = FailingChannels(imported.image);
  for (const ChannelFailure &failure : failures) Complain(FailureLine(failure));
  if (!failures.empty()) {
    Complain("nothing written: the channels above break the channel rules");
    return EXIT_FAILED;
  }
  if (!SaveImageFile(parser.value(output), imported.image)) return EXIT_FAILED;
  for (const int channel : imported.emptiedChannels) {
    Complain(QStringLiteral("channel %1 emptied: %2 has no line for it (%3 had it in use)")
                 .arg(channel)
                 .arg(parser.positionalArguments().at(0), parser.value(base)));
  }
  return EXIT_DONE;
}
