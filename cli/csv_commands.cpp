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
  if (ReplaceRegularFile(LocalPath(path), text, error)) return true;
  Complain(error.text);
  return false;
}

}  // namespace

int RunExportCommand(const QStringList &arguments, const CommandSyntax &syntax) {
  QCommandLineParser parser;
  parser.addPositionalArgument("FILE", "Image file of 187 bytes.");
  const QCommandLineOption output({"o", "output"}, "Write the CSV to CSV instead of standard output.", "CSV");
  parser.addOption(output);
  if (const int status = ParseCommand(parser, arguments, syntax); status >= 0) return status;
  if (const int status = CheckOutputNames(parser, {output}, syntax); status >= 0) return status;

  ChannelImage image;
  if (!LoadImageFile(parser.positionalArguments().at(0), image)) return EXIT_FAILED;
  const ChirpCsvExport exported = ExportChirpCsv(image);
  if (!exported.ok) {
    ComplainAll(exported.errors);
    return EXIT_FAILED;
  }
  if (!parser.isSet(output)) {
    std::cout << exported.text << std::flush;
    return EXIT_DONE;
  }
  return WriteTextFile(parser.value(output), exported.text) ? EXIT_DONE : EXIT_FAILED;
}

int RunImportCommand(const QStringList &arguments, const CommandSyntax &syntax) {
  QCommandLineParser parser;
  parser.addPositionalArgument("CSV", "CHIRP's CSV file.");
  const QCommandLineOption output({"o", "output"}, "The image file to make (required).", "FILE");
  const QCommandLineOption base("base",
                                "Take the band base, the channels the CSV lacks and the bytes it "
                                "cannot carry from this image file, not from the start-up image.",
                                "FILE");
  parser.addOptions({output, base});
  if (const int status = ParseCommand(parser, arguments, syntax); status >= 0) return status;
  if (const int status = CheckOutputNames(parser, {output}, syntax); status >= 0) return status;
  if (!parser.isSet(output)) {
    Complain("import: say where the image goes with -o FILE\nTry 'zentor-cli import --help'.");
    return EXIT_USAGE;
  }

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
  if (!SaveImageFile(parser.value(output), imported.image)) return EXIT_FAILED;

  // The file is kept all the same: the user may put the channels right in the editor window.
  const std::vector<ChannelFailure> failures = FailingChannels(imported.image);
  for (const ChannelFailure &failure : failures) Complain(FailureLine(failure));
  if (!failures.empty()) {
    Complain(QStringLiteral("%1 written, but it breaks the channel rules above; the radio will not take it as it is")
                 .arg(parser.value(output)));
    return EXIT_FAILED;
  }
  return EXIT_DONE;
}
