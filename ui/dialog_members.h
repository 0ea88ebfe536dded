// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values the data exchange carries between the editor's edits and the program, in
// declaration order. The edits show the numbers in MHz and minutes; the WorkingChannel keeps
// them as integers.

#include <QString>

struct DialogMembers {
  double txFrequencyMhz = 0.0;   // edit 1007
  double rxFrequencyMhz = 0.0;   // edit 1020
  QString selectedRxCodeText;    // edit 1019
  double totMinutes = 5.0;       // edit 1018
  QString selectedTxCodeText;    // edit 1021
  QString selectedSpacingText;   // edit 1039
  double bandMhz = 0.0;          // edit 1036
  QString selectedSquelchText;   // edit 1038
};
