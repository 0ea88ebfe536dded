// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_timers.h"

#include <QTimerEvent>
#include <utility>

namespace {

// Win32 raises shorter periods to its minimum of 10 ms; Qt would fire a 0 ms timer on every
// pass of the event loop.
constexpr int MINIMUM_PERIOD_MS = 10;

}  // namespace

WindowTimers::WindowTimers(Handler onTimer, QObject *parent)
    : QObject(parent), onTimer_(std::move(onTimer)) {}

void WindowTimers::SetTimer(int timerId, int milliseconds) {
  KillTimer(timerId);
  // A precise timer never fires early; a coarse one may come 5 % before its time, which
  // would shorten the window in which the radio's reply may arrive.
  const int qtTimer =
      startTimer(milliseconds < MINIMUM_PERIOD_MS ? MINIMUM_PERIOD_MS : milliseconds,
                 Qt::PreciseTimer);
  if (qtTimer == 0) {
    return;
  }
  qtTimerOf_[timerId] = qtTimer;
  windowIdOf_[qtTimer] = timerId;
}

void WindowTimers::KillTimer(int timerId) {
  const auto found = qtTimerOf_.find(timerId);
  if (found == qtTimerOf_.end()) {
    return;
  }
  killTimer(found->second);
  windowIdOf_.erase(found->second);
  qtTimerOf_.erase(found);
}

void WindowTimers::KillAll() {
  while (!qtTimerOf_.empty()) {
    KillTimer(qtTimerOf_.begin()->first);
  }
}

bool WindowTimers::IsRunning(int timerId) const { return qtTimerOf_.count(timerId) != 0; }

void WindowTimers::timerEvent(QTimerEvent *event) {
  const auto found = windowIdOf_.find(event->timerId());
  if (found == windowIdOf_.end()) {
    return;  // killed after Qt had already picked it up
  }
  onTimer_(found->second);
}
