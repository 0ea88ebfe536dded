// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every image that passes between a radio and the programs is kept: what a successful read
// found, and what a write sent whether or not the radio took it. The history is a record beside
// the programs; nothing in it reaches the editor unless the user opens one of its files.

#include <iostream>
#include <string>

#include "channel_image.h"
#include "history_names.h"

// Keeps `image` as the newest event of the history, once the transfer has been judged. It never
// changes a transfer's outcome: when the history cannot be written, `diagnostics` gets one line
// and that is all. Does nothing when ZENTOR_HISTORY is "off".
void KeepInHistory(HistoryKind kind, const std::string &devicePath, const ChannelImage &image,
                   std::ostream &diagnostics = std::cerr);
