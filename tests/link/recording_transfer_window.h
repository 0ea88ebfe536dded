// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A transfer window that records every request in order. Its message box returns at once, after
// running `onMessage`, so that a test can look at the port while the message would be on screen.

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "radio_transfers.h"

class RecordingTransferWindow : public TransferWindow {
 public:
  explicit RecordingTransferWindow(const EditorState &state) : editorState(state) {}

  void ShowMessage(const std::string &text) override {
    events.push_back("message " + text);
    messages.push_back(text);
    if (onMessage) {
      onMessage();
    }
  }
  void SelectChannelInList(int index) override { events.push_back("select " + std::to_string(index)); }
  void ShowWorkingChannel() override {
    events.push_back("show " + std::to_string(editorState.currentChannel));
    shown = editorState.working;
  }
  void SetTimer(int id, int milliseconds) override {
    events.push_back("set timer " + std::to_string(id) + " " + std::to_string(milliseconds));
    runningTimers.insert(id);
  }
  void KillTimer(int id) override {
    events.push_back("kill timer " + std::to_string(id));
    runningTimers.erase(id);
  }

  std::vector<std::string> events;
  std::vector<std::string> messages;
  std::set<int> runningTimers;
  WorkingChannel shown;
  std::function<void()> onMessage;

 private:
  const EditorState &editorState;
};
