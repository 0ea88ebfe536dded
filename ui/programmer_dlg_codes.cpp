// SPDX-License-Identifier: GPL-3.0-or-later
// Code selection: the code type and code table lists of both directions. The transmit and the
// receive handlers are twins that differ only in their CodeControls.

#include "code_selection.h"
#include "list_box.h"
#include "programmer_dlg.h"

namespace {

// The type a code type list entry names, or nothing for a text that names none.
bool CodeTypeOfText(const QString &text, CodeType &type) {
  if (text == QString::fromUtf8(CODE_TYPE_DCS_TEXT)) {
    type = CodeType::DCS;
  } else if (text == QString::fromUtf8(CODE_TYPE_CTCSS_TEXT)) {
    type = CodeType::CTCSS;
  } else if (text == QString::fromUtf8(CODE_TYPE_NONE_TEXT)) {
    type = CodeType::NONE;
  } else {
    return false;
  }
  return true;
}

}  // namespace

void CProgrammerDlg::OnTxCodeTypeChanged() { ChooseCodeType(TxCodeControls()); }

void CProgrammerDlg::OnRxCodeTypeChanged() { ChooseCodeType(RxCodeControls()); }

void CProgrammerDlg::OnTxCodeChanged() { PickCode(TxCodeControls()); }

void CProgrammerDlg::OnRxCodeChanged() { PickCode(RxCodeControls()); }

void CProgrammerDlg::ChooseCodeType(const CodeControls &controls) {
  const int selected = controls.typeList->GetCurSel();
  if (selected == -1) {
    return;
  }
  CodeType chosen = CodeType::NONE;
  if (!CodeTypeOfText(controls.typeList->GetText(selected), chosen)) {
    return;
  }
  if (chosen == CodeType::NONE) {
    controls.tableList->ResetContent();
    members_.*controls.selectedText = QString();
    UpdateData(false);
  } else {
    members_.*controls.selectedText = QString();
    UpdateData(false);
    RefillCodeTable(controls.tableList, CodeTableFor(chosen));
  }
  state_.working.flags = FlagsForChosenType(state_.working.flags, controls.direction, chosen);
}

void CProgrammerDlg::RefillCodeTable(ListBox *tableList, const CodeTableEntries &entries) {
  tableList->ResetContent();
  for (std::size_t i = 0; i < entries.count; ++i) {
    tableList->AddString(QString::fromUtf8(entries.texts[i]));
  }
}

void CProgrammerDlg::PickCode(const CodeControls &controls) {
  const int position = controls.tableList->GetCurSel();
  if (position == -1) {
    return;
  }
  members_.*controls.selectedText = controls.tableList->GetText(position);
  UpdateData(false);
  state_.working.*controls.codeByte =
      CodeByteForPick(state_.working.flags, controls.direction, position);
}
