// SPDX-License-Identifier: GPL-3.0-or-later
// Part of every test program: the history starts off, so that no test, nor a program it starts,
// keeps images in the home of whoever runs the tests (scratch_history.h switches it on).

#include <cstdlib>

namespace {

struct HistoryOff {
  HistoryOff() { setenv("ZENTOR_HISTORY", "off", 1); }
};

const HistoryOff historyOff;

}  // namespace
