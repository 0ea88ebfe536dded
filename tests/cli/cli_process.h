// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the built zentor-cli as a user's shell would, and keeps what it said.

#include <string>
#include <vector>

struct CliRun {
  int status = -1;  // exit status; -1 when it did not end by itself within a minute
  std::string out;
  std::string err;
};

// With `standardOutput`, the program's standard output is that file, opened for writing, and
// `out` stays empty.
CliRun RunCli(const std::vector<std::string> &arguments, const std::string &standardOutput = {});

// The words of the first line of `text` that starts with `start`, split at blanks.
std::vector<std::string> WordsOfLine(const std::string &text, const std::string &start);
