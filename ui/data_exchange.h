// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog data exchange between the editor's edits and DialogMembers, in both directions,
// step by step in a fixed order; a saving exchange stops at its first failing step.

#include <array>
#include <cstddef>

#include "dialog_members.h"

class MessageSink;
class QLineEdit;

struct ExchangeStep {
  int controlId;
  double DialogMembers::*number;  // nullptr for a text step
  QString DialogMembers::*text;   // nullptr for a number step
  bool hasRange;                  // numbers: checked against minimum and maximum
  double minimum;
  double maximum;
  int maxBytes;  // texts: longest allowed GBK form
};

constexpr std::size_t EXCHANGE_STEP_COUNT = 8;
extern const std::array<ExchangeStep, EXCHANGE_STEP_COUNT> EXCHANGE_STEPS;

// The edit of each step, in step order.
using ExchangeEdits = std::array<QLineEdit *, EXCHANGE_STEP_COUNT>;

// Members to edits: numbers as "%.*g" with precision 15, texts unchanged. An edit whose text is
// already the one to show is left alone, so its caret and selection stay where they are.
void LoadMembers(const ExchangeEdits &edits, const DialogMembers &members);

// Edits to members, with the checks. At the first failure: its message is shown, the focus
// goes to that edit with its whole text selected, the later members keep their values, and the
// result is false. A number that fails only its range check, and a text that is too long, are
// already in their member; a text that is no number leaves its member as it was.
bool SaveMembers(const ExchangeEdits &edits, DialogMembers &members, MessageSink &messages);
