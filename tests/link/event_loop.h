// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lets the Qt event loop run in the tests, always with a deadline.

#include <functional>

// Creates the one QCoreApplication of the test program on first use.
void EnsureApplication();

// Processes events until `done` returns true or `maxMilliseconds` have passed; returns what
// `done` returned last.
bool RunEventsUntil(const std::function<bool()> &done, int maxMilliseconds);

// Processes events for `milliseconds`: for checks that something does not happen.
void RunEventsFor(int milliseconds);
