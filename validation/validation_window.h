// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the validation pass needs from the editor window.

#include <string>

class ValidationWindow {
 public:
  virtual ~ValidationWindow() = default;
  // Shows a modal message and returns once the user has confirmed it.
  virtual void ShowMessage(const std::string &text) = 0;
  // Selects entry `index` of the channel list without running its selection handler.
  virtual void SelectChannelInList(int index) = 0;
  // Brings every channel control in line with the working channel.
  virtual void ShowWorkingChannel() = 0;
};
