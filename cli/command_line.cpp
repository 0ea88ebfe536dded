// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <iostream>

#include "image_file.h"
#include "local_bytes.h"

namespace {

// Qt's help begins with "Usage: <path of the executable> [options]"; ours names the command.
QString HelpText(const QCommandLineParser &parser, const CommandSyntax &syntax) {
  QString text = parser.helpText();
  const qsizetype firstLineEnd = text.indexOf(QLatin1Char('\n'));
  text.replace(0, firstLineEnd, QStringLiteral("Usage: %1 %2 [options] %3")
                                    .arg(QLatin1String(PROGRAM_NAME), QLatin1String(syntax.name),
                                         QLatin1String(syntax.arguments)));
  return text;
}

int UsageError(const CommandSyntax &syntax, const QString &problem) {
  Complain(QStringLiteral("%1: %2\nTry '%3 %1 --help'.")
               .arg(QLatin1String(syntax.name), problem, QLatin1String(PROGRAM_NAME)));
  return EXIT_USAGE;
}

}  // namespace

int ParseCommand(QCommandLineParser &parser, const QStringList &arguments, const CommandSyntax &syntax) {
  parser.setApplicationDescription(QString::fromUtf8(syntax.summary));
  // Qt's own help option would also offer --help-all with Qt's options, which mean nothing here.
  const QCommandLineOption help({"h", "help"}, "Show this help.");
  parser.addOption(help);
  if (!parser.parse(arguments)) return UsageError(syntax, parser.errorText());
  if (parser.isSet(help)) {
    std::cout << HelpText(parser, syntax).toStdString() << std::flush;
    return EXIT_DONE;
  }
  const qsizetype count = parser.positionalArguments().size();
  if (count < syntax.leastPositional) {
    return UsageError(syntax, QStringLiteral("missing %1").arg(QLatin1String(syntax.arguments)));
  }
  if (count > syntax.mostPositional) {
    return UsageError(syntax, QStringLiteral("unexpected argument '%1'")
                                  .arg(parser.positionalArguments().at(syntax.mostPositional)));
  }
  // Every positional argument names a file; an empty one is an unset variable in a script, or
  // the empty output of a command that failed, as in write "$(zentor-cli history --last read)".
  if (parser.positionalArguments().contains(QString())) {
    return UsageError(syntax, QStringLiteral("the file name is empty"));
  }
  return -1;
}

bool OutputIsNoInput(const QString &output, std::initializer_list<QString> inputs) {
  for (const QString &input : inputs) {
    if (!input.isEmpty() && NameTheSameFile(LocalPath(output), LocalPath(input))) {
      Complain(QStringLiteral("the output %1 is the input %2 itself; nothing written").arg(output, input));
      return false;
    }
  }
  return true;
}

int CheckOutputNames(const QCommandLineParser &parser, std::initializer_list<QCommandLineOption> outputs,
                     const CommandSyntax &syntax) {
  for (const QCommandLineOption &output : outputs) {
    if (parser.isSet(output) && parser.value(output).isEmpty()) {
      return UsageError(syntax, QStringLiteral("empty file name for --%1").arg(output.names().last()));
    }
  }
  for (const QCommandLineOption &output : outputs) {
    FileError error;
    if (parser.isSet(output) && !MayReplaceRegularFile(LocalPath(parser.value(output)), error)) {
      Complain(error.text);
      return EXIT_FAILED;
    }
  }
  return -1;
}

void Complain(const std::string &text) { std::cerr << PROGRAM_NAME << ": " << text << std::endl; }

void Complain(const QString &text) { Complain(LocalBytes(text)); }

std::string LocalPath(const QString &path) { return LocalBytes(path); }

bool LoadImageFile(const QString &path, ChannelImage &image) {
  FileError error;
  if (ReadImageFile(LocalPath(path), image, error)) return true;
  Complain(error.text);
  return false;
}

bool SaveImageFile(const QString &path, const ChannelImage &image) {
  FileError error;
  if (!WriteImageFile(LocalPath(path), image, error)) {
    Complain(error.text);
    return false;
  }
  if (!error.warning.empty()) Complain(error.warning);
  return true;
}
