// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_exchange.h"

#include <QLineEdit>

#include "dialog_template.h"
#include "exchange_checks.h"

namespace {

ExchangeStep Number(int id, double DialogMembers::*member) {
  return ExchangeStep{id, member, nullptr, false, 0.0, 0.0, 0};
}

ExchangeStep RangedNumber(int id, double DialogMembers::*member, double minimum, double maximum) {
  return ExchangeStep{id, member, nullptr, true, minimum, maximum, 0};
}

ExchangeStep Text(int id, QString DialogMembers::*member, int maxBytes) {
  return ExchangeStep{id, nullptr, member, false, 0.0, 0.0, maxBytes};
}

bool SaveNumber(const ExchangeStep &step, QLineEdit *edit, DialogMembers &members,
                MessageSink &messages) {
  double value = 0.0;
  if (!ReadEditNumber(edit, value, messages)) {
    return false;
  }
  members.*step.number = value;
  return !step.hasRange || CheckNumberRange(edit, value, step.minimum, step.maximum, messages);
}

bool SaveText(const ExchangeStep &step, QLineEdit *edit, DialogMembers &members,
              MessageSink &messages) {
  members.*step.text = edit->text();
  return CheckTextBytes(edit, step.maxBytes, messages);
}

}  // namespace

const std::array<ExchangeStep, EXCHANGE_STEP_COUNT> EXCHANGE_STEPS = {{
    Number(ControlId::TX_FREQUENCY_EDIT, &DialogMembers::txFrequencyMhz),
    RangedNumber(ControlId::RX_FREQUENCY_EDIT, &DialogMembers::rxFrequencyMhz, 0.0, 10000000.0),
    Text(ControlId::SELECTED_RX_CODE_EDIT, &DialogMembers::selectedRxCodeText, 6),
    RangedNumber(ControlId::TOT_EDIT, &DialogMembers::totMinutes, 0.0, 100.0),
    Text(ControlId::SELECTED_TX_CODE_EDIT, &DialogMembers::selectedTxCodeText, 8),
    Text(ControlId::SELECTED_SPACING_EDIT, &DialogMembers::selectedSpacingText, 8),
    RangedNumber(ControlId::BAND_EDIT, &DialogMembers::bandMhz, 0.0, 1000.0),
    Text(ControlId::SELECTED_SQUELCH_EDIT, &DialogMembers::selectedSquelchText, 8),
}};

void LoadMembers(const ExchangeEdits &edits, const DialogMembers &members) {
  for (std::size_t i = 0; i < EXCHANGE_STEP_COUNT; ++i) {
    const ExchangeStep &step = EXCHANGE_STEPS[i];
    if (step.number != nullptr) {
      ShowNumberInEdit(edits[i], members.*step.number);
    } else {
      ShowTextInEdit(edits[i], members.*step.text);
    }
  }
}

bool SaveMembers(const ExchangeEdits &edits, DialogMembers &members, MessageSink &messages) {
  for (std::size_t i = 0; i < EXCHANGE_STEP_COUNT; ++i) {
    const ExchangeStep &step = EXCHANGE_STEPS[i];
    const bool saved = step.number != nullptr ? SaveNumber(step, edits[i], members, messages)
                                              : SaveText(step, edits[i], members, messages);
    if (!saved) {
      return false;
    }
  }
  return true;
}
