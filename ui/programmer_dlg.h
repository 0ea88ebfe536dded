// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor window: one modal dialog built from template 102. It owns the editor's state for
// the whole run, carries the values of its edits in DialogMembers, and dispatches every
// notification of its controls to one handler. The work of each handler sits in small
// functions beside the class (display/channel_display, field_edits, codes/code_selection).

#include <QDialog>
#include <QIcon>
#include <memory>
#include <string>

#include "code_byte.h"
#include "code_selection.h"
#include "dialog_members.h"
#include "file_chooser.h"
#include "message_sink.h"
#include "radio_port.h"
#include "radio_transfers.h"
#include "window_timers.h"
#include "working_channel.h"

class ListBox;
class QLineEdit;
class QPushButton;
class SystemMenu;
class TemplateControls;

constexpr int IDM_ABOUTBOX = 0x10;  // system menu command of the About item
constexpr int IDM_SAVE_TO_FILE = 0x20;    // system menu commands of the image file items
constexpr int IDM_OPEN_FROM_FILE = 0x30;

class CProgrammerDlg : public QDialog, public TransferWindow {
  Q_OBJECT

 public:
  // No parent: the editor is a top-level window of its own.
  CProgrammerDlg();
  ~CProgrammerDlg() override;

  // Creates the window if that has not happened yet and runs it until it ends; the end code.
  int DoModal();
  // Builds the controls from the template and runs OnInitDialog, once; the focus then rests on
  // the first tab stop, the band edit. DoModal calls it; tests call it to show the window
  // without a modal loop.
  void Create();

  // Data exchange: false loads the members into the edits, true saves the edits into the
  // members with the checks (message, focus on the failing edit, false at the first failure).
  // While it runs no control notification reaches a handler.
  bool UpdateData(bool saving);

  // TransferWindow: what the validation pass and the radio link need from the window.
  void ShowMessage(const std::string &text) override;
  void SelectChannelInList(int index) override;
  void ShowWorkingChannel() override;

  // Window timers: OnTimer(timerId) runs on this thread every `milliseconds` until KillTimer.
  void SetTimer(int timerId, int milliseconds) override;
  void KillTimer(int timerId) override;
  bool IsTimerRunning(int timerId) const;

  // Where messages go; nullptr restores the modal message box.
  void SetMessageSink(MessageSink *sink);
  MessageSink &Messages() const;
  // Who asks for the file names of Save and Open; nullptr restores Qt's file dialog.
  void SetFileChooser(FileChooser *chooser);

  LinkState CurrentLinkState() const { return transfers_.linkState(); }
  RadioPort &Port() { return port_; }
  EditorState &State() { return state_; }
  const EditorState &State() const { return state_; }
  const DialogMembers &Members() const { return members_; }
  QWidget *Control(int id) const;  // nullptr before Create or for an unknown id
  const QIcon &AppIcon() const { return appIcon_; }

 protected:
  bool OnInitDialog();
  void OnSysCommand(int commandId);
  void OnOK();
  void OnCancel();
  void OnClose();

  // Image files: the system menu's file items and Ctrl+S / Ctrl+O.
  void OnSaveToFile();
  void OnOpenFromFile();

  // Radio link (link/), bound to the "读出" and "写入" buttons and the window timers.
  void OnReadClicked();
  void OnWriteClicked();
  void OnTimer(int timerId);

  // Field edits.
  void OnChannelSelected();
  void OnChannelDoubleClicked();
  // UpdateData(true), then the handler's own edit read into `member` as the collect reads it.
  void CollectWithOwnNumber(int controlId, double &member);
  void OnTxFrequencyChanged();
  void OnTxFrequencyKillFocus();
  void OnRxFrequencyChanged();
  void OnRxFrequencyKillFocus();
  void OnTotChanged();
  void OnBandChanged();
  void OnSquelchSelected();
  void OnSpacingSelected();
  void OnPortSelected();
  void OnCopyTxToRxClicked();
  void OnCopyRxToTxClicked();
  void OnClearClicked();

  // Code selection.
  void OnTxCodeTypeChanged();
  void OnRxCodeTypeChanged();
  void OnTxCodeChanged();
  void OnRxCodeChanged();

  void keyPressEvent(QKeyEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;
  void paintEvent(QPaintEvent *event) override;  // OnPaint

 private:
  // The three controls, two flag bits and code byte of one direction's signalling code.
  struct CodeControls {
    ListBox *typeList;
    ListBox *tableList;
    QString DialogMembers::*selectedText;
    CodeDirection direction;
    std::int32_t WorkingChannel::*codeByte;
  };
  CodeControls TxCodeControls() const;
  CodeControls RxCodeControls() const;

  void CreateControls();
  void AttachControls();
  void WireMessageMap();
  void FillLists();
  // Tooltips and accessible descriptions of the port list: the device behind each entry.
  void DescribePortEntries();
  // The default selections and their shown texts, shared by start-up and Clear.
  void SelectStartUpEntries();
  void AppendFileCommandsToSystemMenu();
  void AppendAboutToSystemMenu();
  void OpenSystemMenu(const QPoint &globalPosition);
  void DefaultSysCommand(int commandId);
  void ShowCode(const CodeControls &controls, std::uint8_t flags, int codeByte);
  void ChooseCodeType(const CodeControls &controls);
  void PickCode(const CodeControls &controls);
  // Empties a code table list and fills it with the entries of a code type, in table order.
  void RefillCodeTable(ListBox *tableList, const CodeTableEntries &entries);
  bool NotificationsBlocked() const { return notificationBlocks_ > 0; }
  template <typename Handler>
  auto Notified(Handler handler);

  EditorState state_;
  DialogMembers members_;
  QIcon appIcon_;
  MessageBoxSink messageBox_;
  MessageSink *messages_;
  FileDialogChooser fileDialogs_;
  FileChooser *files_;
  WindowTimers timers_;
  RadioPort port_;
  RadioTransfers transfers_;
  int notificationBlocks_ = 0;  // exchanges in progress, or the window on its way out
  bool created_ = false;
  std::unique_ptr<TemplateControls> controls_;
  SystemMenu *systemMenu_ = nullptr;

  // Control members, attached in this order by the first data exchange.
  QPushButton *readButton = nullptr;
  QPushButton *copyToRxButton = nullptr;
  QPushButton *copyToTxButton = nullptr;
  QPushButton *clearButton = nullptr;
  ListBox *portList = nullptr;
  ListBox *spacingList = nullptr;
  ListBox *channelList = nullptr;
  QPushButton *writeButton = nullptr;
  ListBox *squelchList = nullptr;
  ListBox *rxCodeTypeList = nullptr;
  ListBox *txCodeTypeList = nullptr;
  ListBox *rxCodeTableList = nullptr;
  ListBox *txCodeTableList = nullptr;
};
