// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every command shares: exit codes, its own --help, messages to standard error, and image
// files named on the command line.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <string>

#include "channel_image.h"

constexpr int EXIT_DONE = 0;
constexpr int EXIT_FAILED = 1;  // the radio, a file or a channel rule failed; for diff: the images differ
constexpr int EXIT_USAGE = 2;   // the command line itself was wrong

constexpr const char *PROGRAM_NAME = "zentor-cli";

struct CommandSyntax {
  const char *name;       // "show"
  const char *arguments;  // "FILE", shown after the options in the usage line
  const char *summary;    // one line, also in the program's own --help
  int leastPositional;
  int mostPositional;
};

// Parses `arguments` (the command's name first) with the command's options already added to
// `parser`. Returns -1 when the command should run, otherwise the exit status to end with:
// EXIT_DONE after --help, EXIT_USAGE after an error, which has been reported.
int ParseCommand(QCommandLineParser &parser, const QStringList &arguments, const CommandSyntax &syntax);

// The files a command will write, checked before anything is opened or read from a radio: an
// empty name (an unset variable in a script) is a usage error, and a name that leads to a
// device, FIFO or directory is refused. Returns -1 when every given name is usable, otherwise
// the exit status to end with, reported.
int CheckOutputNames(const QCommandLineParser &parser, std::initializer_list<QCommandLineOption> outputs,
                     const CommandSyntax &syntax);

// False, after one line that says so, when `output` names one of `inputs` (also through a link):
// writing it would replace what the command is about to read. Empty inputs are not given.
bool OutputIsNoInput(const QString &output, std::initializer_list<QString> inputs);

// "zentor-cli: <text>" on standard error; a file name in it as the bytes it came as.
void Complain(const std::string &text);
void Complain(const QString &text);
inline void Complain(const char *text) { Complain(std::string(text)); }

// A file name as the system spells it, for the plain C++ file functions: the very bytes of the
// command line.
std::string LocalPath(const QString &path);

// Reads an image file; says why on standard error when it cannot.
bool LoadImageFile(const QString &path, ChannelImage &image);
bool SaveImageFile(const QString &path, const ChannelImage &image);
