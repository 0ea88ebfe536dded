// SPDX-License-Identifier: GPL-3.0-or-later
// Part of every test program: the history starts switched off, so that no test, nor a zentor-cli
// or a window it runs, keeps images in the home of whoever runs the tests. The history's own
// tests switch it on in a scratch folder (scratch_history.h).

#include <cstdlib>

namespace {

struct HistoryOff {
  HistoryOff() { setenv("ZENTOR_HISTORY", "off", 1); }
};

const HistoryOff historyOff;

}  // namespace
