// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the editor template into widgets on the dialog and finds them again by id.

#include <array>

#include "dialog_template.h"
#include "dialog_units.h"

class QWidget;

class TemplateControls {
 public:
  // Creates the 47 controls on `dialog`, places them in pixels, names them for screen
  // readers, draws the edges of the controls and the window, and chains the tab stops in
  // template order. Labels and group boxes stay under the
  // controls and let every mouse event through to what lies beneath.
  TemplateControls(QWidget *dialog, const DialogUnits &units);

  QWidget *Find(int id) const;  // nullptr for an unknown id
  QWidget *At(std::size_t templateIndex) const { return widgets_[templateIndex]; }
  QWidget *FirstTabStop() const;

 private:
  std::array<QWidget *, EDITOR_CONTROL_COUNT> widgets_{};
};
