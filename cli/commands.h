// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of zentor-cli. Each takes its own arguments, its name first, with the syntax it
// was found under, and returns the program's exit status.

#include <QStringList>

#include <array>

#include "command_line.h"

using CommandFunction = int (*)(const QStringList &arguments, const CommandSyntax &syntax);

struct Command {
  CommandSyntax syntax;
  CommandFunction run;
};

int RunPortsCommand(const QStringList &arguments, const CommandSyntax &syntax);
int RunReadCommand(const QStringList &arguments, const CommandSyntax &syntax);
int RunWriteCommand(const QStringList &arguments, const CommandSyntax &syntax);
int RunShowCommand(const QStringList &arguments, const CommandSyntax &syntax);
int RunCheckCommand(const QStringList &arguments, const CommandSyntax &syntax);
int RunDiffCommand(const QStringList &arguments, const CommandSyntax &syntax);
int RunExportCommand(const QStringList &arguments, const CommandSyntax &syntax);
int RunImportCommand(const QStringList &arguments, const CommandSyntax &syntax);
int RunHistoryCommand(const QStringList &arguments, const CommandSyntax &syntax);

constexpr std::array<Command, 9> COMMANDS = {{
    {{"ports", "", "Lists COM1, COM2 and every serial device present.", 0, 0}, RunPortsCommand},
    {{"read", "", "Reads the radio's memory into an image file.", 0, 0}, RunReadCommand},
    {{"write", "FILE", "Writes an image file into the radio.", 1, 1}, RunWriteCommand},
    {{"show", "FILE", "Shows the band base and the 16 channels of an image file.", 1, 1},
     RunShowCommand},
    {{"check", "FILE", "Checks all 16 channels of an image file against the channel rules.", 1, 1},
     RunCheckCommand},
    {{"diff", "A B", "Lists what differs between two image files; exits 1 when they differ.", 2, 2},
     RunDiffCommand},
    {{"export", "FILE", "Writes the channels of an image file as CHIRP's CSV.", 1, 1},
     RunExportCommand},
    {{"import", "CSV", "Makes an image file from CHIRP's CSV.", 1, 1}, RunImportCommand},
    {{"history", "", "Lists the images kept of every read and write, newest first.", 0, 0},
     RunHistoryCommand},
}};
