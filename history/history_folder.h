// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the history lives and what it holds: $XDG_DATA_HOME/zentor/history/ (by default
// ~/.local/share/zentor/history/), one file per event, at most HISTORY_LIMIT of them.

#include <cstddef>
#include <string>
#include <vector>

#include "history_names.h"

// 10 000 files of 187 bytes: about 2 MB, years of a busy dealer's work.
constexpr std::size_t HISTORY_LIMIT = 10000;

struct HistoryEntry {
  std::string path;
  HistoryName name;
};

// Empty when the system names no data folder (no home).
std::string HistoryFolder();

// False when ZENTOR_HISTORY is "off".
bool HistoryEnabled();

// The history files of `folder`, oldest first; other files are left out. A folder that does not
// exist yet holds none. False, with `error`, when the folder cannot be read.
bool ListHistory(const std::string &folder, std::vector<HistoryEntry> &entries, std::string &error);

// Removes the oldest history files of `folder` until at most `keep` remain.
bool PruneHistory(const std::string &folder, std::size_t keep, std::string &error);
