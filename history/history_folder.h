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

constexpr const char *NO_DATA_FOLDER = "no data folder: neither XDG_DATA_HOME nor HOME is set";

struct HistoryEntry {
  std::string path;
  HistoryName name;
};

// From the environment's bytes as the XDG Base Directory rules say: XDG_DATA_HOME when it is an
// absolute path, else $HOME/.local/share. Empty when neither names one.
std::string HistoryFolder();

// False when ZENTOR_HISTORY is "off".
bool HistoryEnabled();

// Whether `folder` may hold the history: it must be this user's, and is made readable by this
// user alone when it is not yet. With `make`, a missing folder (and any missing parent) is made
// so; without, a missing folder is fine and stays missing. False, with `error`, otherwise.
bool OwnHistoryFolder(const std::string &folder, bool make, std::string &error);

// The history files of `folder`, oldest first; other files, and links, are left out. A folder
// that does not exist yet holds none. False, with `error`, when the folder cannot be read.
bool ListHistory(const std::string &folder, std::vector<HistoryEntry> &entries, std::string &error);

// Removes the oldest history files of `folder` until at most `keep` remain.
bool PruneHistory(const std::string &folder, std::size_t keep, std::string &error);
