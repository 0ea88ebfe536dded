// SPDX-License-Identifier: GPL-3.0-or-later
// ShowWorkingChannel: brings every channel control in line with the WorkingChannel.

#include "channel_display.h"
#include "dialog_texts.h"
#include "list_box.h"
#include "programmer_dlg.h"

CProgrammerDlg::CodeControls CProgrammerDlg::TxCodeControls() const {
  return CodeControls{txCodeTypeList, txCodeTableList, &DialogMembers::selectedTxCodeText,
                      TX_CODE_BITS, &WorkingChannel::txCode};
}

CProgrammerDlg::CodeControls CProgrammerDlg::RxCodeControls() const {
  return CodeControls{rxCodeTypeList, rxCodeTableList, &DialogMembers::selectedRxCodeText,
                      RX_CODE_BITS, &WorkingChannel::rxCode};
}

void CProgrammerDlg::ShowWorkingChannel() {
  const WorkingChannel &channel = state_.working;
  members_.bandMhz = ShownMegahertz(channel.band);
  members_.txFrequencyMhz = ShownMegahertz(channel.txFrequency);
  members_.rxFrequencyMhz = ShownMegahertz(channel.rxFrequency);
  members_.totMinutes = ShownMinutes(channel.tot);

  const int level = SquelchLevelForDisplay(state_);
  squelchList->SetCurSel(level);
  members_.selectedSquelchText = squelchList->GetText(level);
  UpdateData(false);

  const bool narrow = (channel.flags & FLAG_NARROW) != 0;
  spacingList->SetCurSel(narrow ? 0 : 1);
  state_.spacingText = narrow ? SPACING_NARROW_TEXT : SPACING_WIDE_TEXT;
  members_.selectedSpacingText = QString::fromStdString(state_.spacingText);
  UpdateData(false);

  ShowCode(TxCodeControls(), channel.flags, channel.txCode);
  ShowCode(RxCodeControls(), channel.flags, channel.rxCode);
}

void CProgrammerDlg::ShowCode(const CodeControls &controls, std::uint8_t flags, int codeByte) {
  const CodeDisplay display = CodeDisplayOf(flags, controls.direction, codeByte);
  controls.typeList->SetCurSel(display.typeListPosition);
  RefillCodeTable(controls.tableList, display.entries);
  members_.*controls.selectedText =
      display.selected == NO_CODE_ENTRY
          ? QString()
          : QString::fromUtf8(display.entries.texts[static_cast<std::size_t>(display.selected)]);
  UpdateData(false);
  if (display.type != CodeType::NONE) {
    controls.tableList->SetCurSel(display.selected);
  }
}
