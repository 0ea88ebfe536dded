#include "data_exchange.h"

#include <QLineEdit>
#include <string>

#include "dialog_number.h"
#include "dialog_template.h"
#include "dialog_texts.h"
#include "gbk_length.h"
#include "message_sink.h"

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

QString Shown(double value) { return QString::fromStdString(FormatDialogNumber(value)); }

// Shows the failure, then hands the edit back to the user with its text selected.
bool Fail(QLineEdit *edit, MessageSink &messages, const QString &message) {
  messages.ShowMessage(message);
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
  return false;
}

bool SaveNumber(const ExchangeStep &step, QLineEdit *edit, DialogMembers &members,
                MessageSink &messages) {
  double value = 0.0;
  if (!ParseDialogNumber(edit->text().toStdString(), value)) {
    return Fail(edit, messages, QString::fromUtf8(NOT_A_NUMBER_MESSAGE));
  }
  members.*step.number = value;
  if (step.hasRange && (value < step.minimum || value > step.maximum)) {
    return Fail(edit, messages,
                QString::fromUtf8(NUMBER_RANGE_MESSAGE).arg(Shown(step.minimum), Shown(step.maximum)));
  }
  return true;
}

bool SaveText(const ExchangeStep &step, QLineEdit *edit, DialogMembers &members,
              MessageSink &messages) {
  members.*step.text = edit->text();
  if (GbkByteCount(edit->text().toStdString()) > static_cast<std::size_t>(step.maxBytes)) {
    return Fail(edit, messages,
                QString::fromUtf8(TEXT_TOO_LONG_MESSAGE).arg(QString::number(step.maxBytes)));
  }
  return true;
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
    const QString shown = step.number != nullptr ? Shown(members.*step.number) : members.*step.text;
    if (edits[i]->text() != shown) {
      edits[i]->setText(shown);
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
