// SPDX-License-Identifier: GPL-3.0-or-later
// The field edit handlers: each carries one user change into the WorkingChannel at once.

#include <QLineEdit>

#include "channel_display.h"
#include "dialog_number.h"
#include "dialog_template.h"
#include "dialog_texts.h"
#include "field_edits.h"
#include "list_box.h"
#include "programmer_dlg.h"
#include "scaled_value.h"

void CProgrammerDlg::OnChannelSelected() {
  StoreWorkingChannel(state_);
  const int selected = channelList->GetCurSel();
  if (selected != -1) {
    state_.currentChannel = selected;
  }
  LoadWorkingChannel(state_);
  ShowWorkingChannel();
}

void CProgrammerDlg::OnChannelDoubleClicked() {}

// The frequency, time-limit and band handlers convert their member whether or not the collect
// succeeded: after a failure it holds what the collect left in it.
//
// The collect stops at the first edit it cannot read and leaves the members after that one as
// they were. A handler whose edit comes later would then convert a value its edit no longer
// shows, and Write would send it: so each handler also reads its own edit, as the collect would
// have. A text that is no number still leaves the member as it was.
void CProgrammerDlg::CollectWithOwnNumber(int controlId, double &member) {
  UpdateData(true);
  const auto *edit = qobject_cast<const QLineEdit *>(Control(controlId));
  double value = 0.0;
  if (edit != nullptr && ParseDialogNumber(edit->text().toStdString(), value)) {
    member = value;
  }
}

void CProgrammerDlg::OnTxFrequencyChanged() {
  CollectWithOwnNumber(ControlId::TX_FREQUENCY_EDIT, members_.txFrequencyMhz);
  state_.working.txFrequency = ScaledToInt(members_.txFrequencyMhz, FREQUENCY_FACTOR);
}

void CProgrammerDlg::OnTxFrequencyKillFocus() {}

void CProgrammerDlg::OnRxFrequencyChanged() {
  CollectWithOwnNumber(ControlId::RX_FREQUENCY_EDIT, members_.rxFrequencyMhz);
  state_.working.rxFrequency = ScaledToInt(members_.rxFrequencyMhz, FREQUENCY_FACTOR);
}

void CProgrammerDlg::OnRxFrequencyKillFocus() {}

void CProgrammerDlg::OnTotChanged() {
  CollectWithOwnNumber(ControlId::TOT_EDIT, members_.totMinutes);
  state_.working.tot = ScaledToInt(members_.totMinutes, TOT_FACTOR);
}

void CProgrammerDlg::OnBandChanged() {
  CollectWithOwnNumber(ControlId::BAND_EDIT, members_.bandMhz);
  const std::int32_t band = ScaledToInt(members_.bandMhz, FREQUENCY_FACTOR);
  state_.working.band = band;
  WriteBandBase(state_.image, band);
}

void CProgrammerDlg::OnSquelchSelected() {
  const int level = squelchList->GetCurSel();
  if (level < 0 || level >= SQUELCH_LEVEL_COUNT) {
    return;
  }
  members_.selectedSquelchText = squelchList->GetText(level);
  UpdateData(false);
  state_.working.squelch = SquelchByteOfLevel(level);
}

void CProgrammerDlg::OnSpacingSelected() {
  const int selected = spacingList->GetCurSel();
  if (selected == -1) {
    return;
  }
  state_.spacingText = spacingList->GetText(selected).toStdString();
  members_.selectedSpacingText = QString::fromStdString(state_.spacingText);
  UpdateData(false);
  state_.working.flags = FlagsForSpacing(state_.working.flags, state_.spacingText);
}

void CProgrammerDlg::OnPortSelected() {
  const int selected = portList->GetCurSel();
  if (selected != -1) {
    state_.portName = portList->GetText(selected).toStdString();
  }
}

void CProgrammerDlg::OnCopyTxToRxClicked() {
  CopyTxToRx(state_.working);
  ShowWorkingChannel();
}

void CProgrammerDlg::OnCopyRxToTxClicked() {
  CopyRxToTx(state_.working);
  ShowWorkingChannel();
}

void CProgrammerDlg::OnClearClicked() {
  ResetWorkingChannel(state_);

  members_.bandMhz = 0.0;
  members_.txFrequencyMhz = 0.0;
  members_.rxFrequencyMhz = 0.0;
  members_.totMinutes = ShownMinutes(state_.working.tot);

  // The lists and their shown texts go back exactly as at start-up.
  SelectStartUpEntries();

  txCodeTableList->ResetContent();
  members_.selectedTxCodeText.clear();
  UpdateData(false);

  rxCodeTableList->ResetContent();
  members_.selectedRxCodeText.clear();
  UpdateData(false);

  ResetImage(state_.image);
}
