// SPDX-License-Identifier: GPL-3.0-or-later
// The message map of the editor: which notification of which control runs which handler.
// Programmatic changes never notify (ListBox, textEdited), and nothing reaches a handler while
// a data exchange runs.

#include <QEvent>
#include <QLineEdit>
#include <functional>
#include <utility>
#include <QPushButton>

#include "dialog_template.h"
#include "list_box.h"
#include "programmer_dlg.h"

namespace {

// Focus loss of an edit, as a notification of its own.
class FocusLossWatcher : public QObject {
 public:
  FocusLossWatcher(QObject *parent, std::function<void()> onFocusLost)
      : QObject(parent), onFocusLost_(std::move(onFocusLost)) {}

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::FocusOut) {
      onFocusLost_();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onFocusLost_;
};

}  // namespace

template <typename Handler>
auto CProgrammerDlg::Notified(Handler handler) {
  return [this, handler] {
    if (!NotificationsBlocked()) {
      (this->*handler)();
    }
  };
}

void CProgrammerDlg::WireMessageMap() {
  const auto edit = [this](int id) { return qobject_cast<QLineEdit *>(Control(id)); };
  const auto onSelection = [this](ListBox *list, void (CProgrammerDlg::*handler)()) {
    connect(list, &ListBox::SelectionChanged, this, Notified(handler));
  };
  const auto onText = [this, edit](int id, void (CProgrammerDlg::*handler)()) {
    connect(edit(id), &QLineEdit::textEdited, this, Notified(handler));
  };
  const auto onClick = [this](QPushButton *button, void (CProgrammerDlg::*handler)()) {
    connect(button, &QPushButton::clicked, this, Notified(handler));
  };
  const auto onFocusLost = [this, edit](int id, void (CProgrammerDlg::*handler)()) {
    edit(id)->installEventFilter(new FocusLossWatcher(this, Notified(handler)));
  };

  onSelection(rxCodeTableList, &CProgrammerDlg::OnRxCodeChanged);
  onClick(writeButton, &CProgrammerDlg::OnWriteClicked);
  onSelection(txCodeTypeList, &CProgrammerDlg::OnTxCodeTypeChanged);
  onSelection(channelList, &CProgrammerDlg::OnChannelSelected);
  onText(ControlId::TX_FREQUENCY_EDIT, &CProgrammerDlg::OnTxFrequencyChanged);
  onText(ControlId::TOT_EDIT, &CProgrammerDlg::OnTotChanged);
  onText(ControlId::RX_FREQUENCY_EDIT, &CProgrammerDlg::OnRxFrequencyChanged);
  onSelection(squelchList, &CProgrammerDlg::OnSquelchSelected);
  onSelection(rxCodeTypeList, &CProgrammerDlg::OnRxCodeTypeChanged);
  onSelection(txCodeTableList, &CProgrammerDlg::OnTxCodeChanged);
  onSelection(spacingList, &CProgrammerDlg::OnSpacingSelected);
  onText(ControlId::BAND_EDIT, &CProgrammerDlg::OnBandChanged);
  onFocusLost(ControlId::RX_FREQUENCY_EDIT, &CProgrammerDlg::OnRxFrequencyKillFocus);
  onFocusLost(ControlId::TX_FREQUENCY_EDIT, &CProgrammerDlg::OnTxFrequencyKillFocus);
  onSelection(portList, &CProgrammerDlg::OnPortSelected);
  connect(channelList, &ListBox::DoubleClicked, this,
          Notified(&CProgrammerDlg::OnChannelDoubleClicked));
  // close: closeEvent -> OnClose; timer: WindowTimers -> OnTimer (see the constructor).
  onClick(clearButton, &CProgrammerDlg::OnClearClicked);
  onClick(copyToRxButton, &CProgrammerDlg::OnCopyTxToRxClicked);
  onClick(copyToTxButton, &CProgrammerDlg::OnCopyRxToTxClicked);
  onClick(readButton, &CProgrammerDlg::OnReadClicked);
  // The cancel command: button 2 "退出".
  onClick(qobject_cast<QPushButton *>(Control(ControlId::CANCEL_BUTTON)), &CProgrammerDlg::OnCancel);
}
