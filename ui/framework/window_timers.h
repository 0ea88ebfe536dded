// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window timers in the manner of Win32 SetTimer/KillTimer: a timer is known by a small id,
// fires repeatedly on the user-interface thread until it is killed, and never fires after
// KillTimer. Setting an id that is already running restarts it with the new period.

#include <QObject>
#include <functional>
#include <map>

class WindowTimers : public QObject {
 public:
  using Handler = std::function<void(int timerId)>;

  explicit WindowTimers(Handler onTimer, QObject *parent = nullptr);

  void SetTimer(int timerId, int milliseconds);
  void KillTimer(int timerId);  // harmless for an id that is not running
  void KillAll();
  bool IsRunning(int timerId) const;

 protected:
  void timerEvent(QTimerEvent *event) override;

 private:
  Handler onTimer_;
  std::map<int, int> qtTimerOf_;   // window timer id -> Qt timer id
  std::map<int, int> windowIdOf_;  // Qt timer id -> window timer id
};
