// SPDX-License-Identifier: GPL-3.0-or-later
// zentor-cli read and write: the radio's memory to an image file and back, with a backup of
// what the radio held and a read-back check.

#include <QCommandLineParser>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "channel_check.h"
#include "command_line.h"
#include "commands.h"
#include "image_differences.h"
#include "radio_session.h"
#include "radio_transfers.h"
#include "regular_file.h"

namespace {

QCommandLineOption PortOption() {
  return QCommandLineOption({"p", "port"}, "COM1, COM2 or a device path such as /dev/ttyUSB0 (default COM1).",
                            "PORT", "COM1");
}

// The port -p names. An empty name (an unset variable in a script) is a usage error, never a
// quiet fall-back to some default device. Empty after the complaint.
std::string PortArgument(const QCommandLineParser &parser, const QCommandLineOption &port, const char *command) {
  const std::string name = LocalPath(parser.value(port));
  if (name.empty()) {
    Complain(std::string(command) + ": the port name is empty; give COM1, COM2 or a device path\nTry 'zentor-cli " +
             command + " --help'.");
  }
  return name;
}

std::string Seconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f s", seconds);
  return text;
}

// One line for a transfer that failed, with what that leaves undone (`undone`, when not null). A
// refusal at the port names the device itself; anything later is said after the device's name.
void ComplainOfTransfer(const RadioSession &session, const char *transfer, const std::string &error,
                        const char *undone) {
  std::string line = session.RefusedAtOpen() ? error : std::string(transfer) + " " + session.DeviceLabel() + " failed: " + error;
  if (undone != nullptr) line += std::string("; ") + undone;
  Complain(line);
}

// Reads the radio into `image` the way the window accepts a reply, and says how it went, with
// `undone` saying what a failure leaves undone.
bool ReadWholeImage(RadioSession &session, ChannelImage &image, const char *undone) {
  std::string error;
  if (!session.Read(image, true, error)) {
    ComplainOfTransfer(session, "read from", error, undone);
    return false;
  }
  Complain("read 187 bytes from " + session.DeviceLabel() + " in " + Seconds(session.LastTransferSeconds()));
  session.Keep(HistoryKind::READ);
  return true;
}

// A backup keeps what the radio held. Written over the image about to go out, it would give the
// next radio of a series the previous customer's channels; written over an older backup, it
// would lose that customer's. Both are refused before the port is opened.
bool BackupMayBeWritten(const QString &imagePath, const QString &backupPath, bool force) {
  if (NameTheSameFile(LocalPath(imagePath), LocalPath(backupPath))) {
    Complain(QStringLiteral("the backup %1 is the image file %2 itself; nothing sent").arg(backupPath, imagePath));
    return false;
  }
  struct stat status {};
  if (!force && ::lstat(LocalPath(backupPath).c_str(), &status) == 0) {
    Complain(QStringLiteral("the backup %1 exists already; name a new file, or add --force to replace it; "
                            "nothing sent")
                 .arg(backupPath));
    return false;
  }
  return true;
}

}  // namespace

int RunReadCommand(const QStringList &arguments, const CommandSyntax &syntax) {
  QCommandLineParser parser;
  const QCommandLineOption port = PortOption();
  const QCommandLineOption output({"o", "output"}, "The image file to write (required).", "FILE");
  parser.addOptions({port, output});
  if (const int status = ParseCommand(parser, arguments, syntax); status >= 0) return status;
  if (const int status = CheckOutputNames(parser, {output}, syntax); status >= 0) return status;
  if (!parser.isSet(output)) {
    Complain("read: say where the image goes with -o FILE\nTry 'zentor-cli read --help'.");
    return EXIT_USAGE;
  }
  const std::string portArgument = PortArgument(parser, port, "read");
  if (portArgument.empty()) return EXIT_USAGE;

  RadioSession session(portArgument);
  ChannelImage image;
  if (!ReadWholeImage(session, image, "no file written")) return EXIT_FAILED;
  return SaveImageFile(parser.value(output), image) ? EXIT_DONE : EXIT_FAILED;
}

int RunWriteCommand(const QStringList &arguments, const CommandSyntax &syntax) {
  QCommandLineParser parser;
  parser.addPositionalArgument("FILE", "Image file of 187 bytes to write.");
  const QCommandLineOption port = PortOption();
  const QCommandLineOption backup("backup", "First read the radio and save what it held to BACKUP, a new "
                                            "file other than FILE; nothing is written unless that succeeds.",
                                  "BACKUP");
  const QCommandLineOption force("force", "Let --backup replace a file that exists.");
  const QCommandLineOption verify("verify", "Read the radio back afterwards and compare it byte for byte.");
  parser.addOptions({port, backup, force, verify});
  if (const int status = ParseCommand(parser, arguments, syntax); status >= 0) return status;
  const std::string portArgument = PortArgument(parser, port, "write");
  if (portArgument.empty()) return EXIT_USAGE;
  if (parser.isSet(force) && !parser.isSet(backup)) {
    Complain("write: --force only lets --backup replace a file; without --backup it has nothing to do\n"
             "Try 'zentor-cli write --help'.");
    return EXIT_USAGE;
  }
  if (const int status = CheckOutputNames(parser, {backup}, syntax); status >= 0) return status;
  if (parser.isSet(backup) &&
      !BackupMayBeWritten(parser.positionalArguments().at(0), parser.value(backup), parser.isSet(force))) {
    return EXIT_FAILED;
  }

  ChannelImage image;
  if (!LoadImageFile(parser.positionalArguments().at(0), image)) return EXIT_FAILED;
  // As the window does: the first failing channel stops the write before the port is opened.
  const std::vector<ChannelFailure> failures = FailingChannels(image);
  if (!failures.empty()) {
    Complain(FailureLine(failures.front()));
    Complain("nothing sent; 'zentor-cli check' lists every failing channel");
    return EXIT_FAILED;
  }
  if (image.bytes[REPLY_MARKER_OFFSET] == 0) {
    Complain("note: byte 179 (the reply marker) is 0; a radio that keeps it as written will fail "
             "the window's Read and 'zentor-cli read' until a file with a nonzero byte 179 is written");
  }

  RadioSession session(portArgument);
  if (parser.isSet(backup)) {
    ChannelImage held;
    if (!ReadWholeImage(session, held, "no backup, so nothing written")) return EXIT_FAILED;
    if (!SaveImageFile(parser.value(backup), held)) {
      Complain("no backup, so nothing written");
      return EXIT_FAILED;
    }
  }
  std::string error;
  if (!session.Write(image, error)) {
    ComplainOfTransfer(session, "write to", error, session.RefusedAtOpen() ? "nothing sent" : nullptr);
    session.Keep(HistoryKind::WRITE);
    return EXIT_FAILED;
  }
  Complain("wrote 188 bytes to " + session.DeviceLabel() + " in " + Seconds(session.LastTransferSeconds()));
  session.Keep(HistoryKind::WRITE);
  if (!parser.isSet(verify)) return EXIT_DONE;

  // A radio may still be storing the frame; the window gives it a second before it could read.
  session.WaitSinceWriteBegan(WRITE_TIMER_MS);
  ChannelImage back;
  // The marker is compared like every other byte, so it need not be nonzero here.
  if (!session.Read(back, false, error)) {
    Complain("verify: reading back failed: " + error);
    return EXIT_FAILED;
  }
  const std::vector<std::string> differences = ImageDifferences(image, back);
  if (!differences.empty()) {
    Complain("verify failed: the radio holds something else (written -> read back):");
    for (const std::string &line : differences) Complain("  " + line);
    session.Keep(HistoryKind::VERIFY);
    return EXIT_FAILED;
  }
  Complain("verified: the radio on " + session.DeviceLabel() + " holds all 187 bytes as written");
  session.Keep(HistoryKind::VERIFY);
  return EXIT_DONE;
}
