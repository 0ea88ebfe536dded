// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel rules' texts in English, for zentor-cli, whose users may not read Chinese. The
// window shows the Chinese texts alone.

#include <string>

// The English meaning of one of the rules' texts, or "" for any other text.
std::string RuleInEnglish(const std::string &message);
