// SPDX-License-Identifier: GPL-3.0-or-later
#include "programmer_dlg.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QWindow>

#include "about_box.h"
#include "app_icon.h"
#include "code_selection.h"
#include "data_exchange.h"
#include "dialog_font.h"
#include "dialog_template.h"
#include "dialog_texts.h"
#include "field_edits.h"
#include "history_folder.h"
#include "list_box.h"
#include "system_menu.h"
#include "template_controls.h"

namespace {

// Counts the exchanges in progress, also nested ones (a timer may show a channel while a
// message box of a saving exchange is open).
class ExchangeScope {
 public:
  explicit ExchangeScope(int &depth) : depth_(depth) { ++depth_; }
  ~ExchangeScope() { --depth_; }
  ExchangeScope(const ExchangeScope &) = delete;
  ExchangeScope &operator=(const ExchangeScope &) = delete;

 private:
  int &depth_;
};

// The history's folder beside Qt's places in the Open dialog, so that what a radio held before
// the last Write is two clicks away from 从文件读入.
SidebarPlace HistoryPlace() {
  const std::string folder = HistoryFolder();
  if (folder.empty()) {
    return {};
  }
  return {QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(folder))),
          QString::fromUtf8(HISTORY_PLACE_NAME)};
}

}  // namespace

CProgrammerDlg::CProgrammerDlg()
    : QDialog(nullptr),
      appIcon_(LoadAppIcon()),
      messageBox_(this),
      messages_(&messageBox_),
      fileDialogs_(this, HistoryPlace()),
      files_(&fileDialogs_),
      timers_([this](int timerId) { OnTimer(timerId); }, this),
      transfers_(state_, port_, *this) {}

CProgrammerDlg::~CProgrammerDlg() {
  timers_.KillAll();
  // Delete the controls while the dialog is still whole: a focused edit reports its loss of
  // focus on the way out, and no handler may run from here on.
  ++notificationBlocks_;
  qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
}

int CProgrammerDlg::DoModal() {
  Create();
  return exec();
}

void CProgrammerDlg::Create() {
  if (created_) {
    return;
  }
  created_ = true;
  CreateControls();
  if (OnInitDialog()) {
    QWidget *first = controls_->FirstTabStop();
    first->setFocus(Qt::TabFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(first)) {
      edit->selectAll();
    }
  }
}

void CProgrammerDlg::CreateControls() {
  // A normal top-level window: title bar, system menu, minimise and close boxes, no maximise
  // box, no sizing border; it shows in the taskbar and Qt centres it on the screen.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(QString::fromUtf8(EDITOR_CAPTION));
  setFont(DialogFont());
  const DialogUnits units = DialogUnitsOf(font());
  setFixedSize(units.X(EDITOR_WIDTH), units.Y(EDITOR_HEIGHT));
  controls_ = std::make_unique<TemplateControls>(this, units);
  AttachControls();
  systemMenu_ = new SystemMenu(this);
  connect(systemMenu_, &SystemMenu::Command, this, &CProgrammerDlg::OnSysCommand);
  auto *systemMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
  connect(systemMenuKey, &QShortcut::activated, this,
          [this] { OpenSystemMenu(mapToGlobal(QPoint(0, 0))); });
  auto *closeKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
  connect(closeKey, &QShortcut::activated, this, [this] { OnSysCommand(SystemCommand::CLOSE); });
  auto *saveKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
  connect(saveKey, &QShortcut::activated, this, [this] { OnSysCommand(IDM_SAVE_TO_FILE); });
  auto *openKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this);
  connect(openKey, &QShortcut::activated, this, [this] { OnSysCommand(IDM_OPEN_FROM_FILE); });
  WireMessageMap();
}

void CProgrammerDlg::AttachControls() {
  const auto button = [this](int id) { return qobject_cast<QPushButton *>(Control(id)); };
  const auto list = [this](int id) { return qobject_cast<ListBox *>(Control(id)); };
  readButton = button(ControlId::READ_BUTTON);
  copyToRxButton = button(ControlId::COPY_TO_RX_BUTTON);
  copyToTxButton = button(ControlId::COPY_TO_TX_BUTTON);
  clearButton = button(ControlId::CLEAR_BUTTON);
  portList = list(ControlId::PORT_LIST);
  spacingList = list(ControlId::SPACING_LIST);
  channelList = list(ControlId::CHANNEL_LIST);
  writeButton = button(ControlId::WRITE_BUTTON);
  squelchList = list(ControlId::SQUELCH_LIST);
  rxCodeTypeList = list(ControlId::RX_CODE_TYPE_LIST);
  txCodeTypeList = list(ControlId::TX_CODE_TYPE_LIST);
  rxCodeTableList = list(ControlId::RX_CODE_TABLE_LIST);
  txCodeTableList = list(ControlId::TX_CODE_TABLE_LIST);
}

QWidget *CProgrammerDlg::Control(int id) const {
  return controls_ != nullptr ? controls_->Find(id) : nullptr;
}

bool CProgrammerDlg::OnInitDialog() {
  UpdateData(false);
  AppendFileCommandsToSystemMenu();
  AppendAboutToSystemMenu();
  setWindowIcon(appIcon_);  // one icon with both sizes: the large and the small one
  FillLists();
  DescribePortEntries();
  SelectStartUpEntries();
  ResetImage(state_.image);
  return true;
}

void CProgrammerDlg::SelectStartUpEntries() {
  channelList->SetCurSel(state_.currentChannel);
  portList->SetCurSel(0);
  txCodeTypeList->SetCurSel(CodeTypeListPosition(CodeType::NONE));
  rxCodeTypeList->SetCurSel(CodeTypeListPosition(CodeType::NONE));
  squelchList->SetCurSel(DEFAULT_SQUELCH_LEVEL);
  members_.selectedSquelchText = QString::fromUtf8(SQUELCH_LEVEL_TEXTS[DEFAULT_SQUELCH_LEVEL]);
  UpdateData(false);
  spacingList->SetCurSel(1);  // "25Khz"
  members_.selectedSpacingText = QString::fromStdString(state_.spacingText);
  UpdateData(false);
}

void CProgrammerDlg::FillLists() {
  // Added in this order; the sorted type lists show "CTCSS", "DCS", "无".
  for (ListBox *typeList : {txCodeTypeList, rxCodeTypeList}) {
    typeList->AddString(QString::fromUtf8(CODE_TYPE_DCS_TEXT));
    typeList->AddString(QString::fromUtf8(CODE_TYPE_CTCSS_TEXT));
    typeList->AddString(QString::fromUtf8(CODE_TYPE_NONE_TEXT));
  }
  for (const char *level : SQUELCH_LEVEL_TEXTS) {
    squelchList->AddString(QString::fromUtf8(level));
  }
  for (int channel = 0; channel < static_cast<int>(CHANNEL_COUNT); ++channel) {
    channelList->AddString(QString::fromStdString(ChannelListText(channel)));
  }
  for (const char *port : PORT_TEXTS) {
    portList->AddString(QString::fromUtf8(port));
  }
  for (const char *spacing : SPACING_TEXTS) {
    spacingList->AddString(QString::fromUtf8(spacing));
  }
}

void CProgrammerDlg::AppendAboutToSystemMenu() {
  const QString aboutText = QString::fromUtf8(LoadStringResource(IDS_ABOUTBOX));
  if (!aboutText.isEmpty()) {
    systemMenu_->AppendSeparator();
    systemMenu_->AppendItem(IDM_ABOUTBOX, aboutText);
  }
}

bool CProgrammerDlg::UpdateData(bool saving) {
  const ExchangeScope scope(notificationBlocks_);
  ExchangeEdits edits{};
  for (std::size_t i = 0; i < EXCHANGE_STEP_COUNT; ++i) {
    edits[i] = qobject_cast<QLineEdit *>(Control(EXCHANGE_STEPS[i].controlId));
  }
  if (!saving) {
    LoadMembers(edits, members_);
    return true;
  }
  return SaveMembers(edits, members_, *messages_);
}

void CProgrammerDlg::ShowMessage(const std::string &text) {
  messages_->ShowMessage(QString::fromStdString(text));
}

void CProgrammerDlg::SelectChannelInList(int index) { channelList->SetCurSel(index); }

void CProgrammerDlg::SetTimer(int timerId, int milliseconds) { timers_.SetTimer(timerId, milliseconds); }

void CProgrammerDlg::KillTimer(int timerId) { timers_.KillTimer(timerId); }

bool CProgrammerDlg::IsTimerRunning(int timerId) const { return timers_.IsRunning(timerId); }

void CProgrammerDlg::SetMessageSink(MessageSink *sink) {
  messages_ = sink != nullptr ? sink : &messageBox_;
}

MessageSink &CProgrammerDlg::Messages() const { return *messages_; }

void CProgrammerDlg::SetFileChooser(FileChooser *chooser) {
  files_ = chooser != nullptr ? chooser : &fileDialogs_;
}

void CProgrammerDlg::OnOK() {}

void CProgrammerDlg::OnCancel() { reject(); }

void CProgrammerDlg::OnClose() {
  transfers_.OnClose();
  OnCancel();
}

void CProgrammerDlg::keyPressEvent(QKeyEvent *event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    // The focused push button takes Enter as a click; anywhere else it is the OK command.
    if (auto *button = qobject_cast<QPushButton *>(focusWidget())) {
      button->click();
    } else {
      OnOK();
    }
    return;
  }
  if (plain && event->key() == Qt::Key_Escape) {
    OnCancel();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CProgrammerDlg::closeEvent(QCloseEvent *event) {
  OnClose();
  event->accept();
}

void CProgrammerDlg::contextMenuEvent(QContextMenuEvent *event) {
  // Reached only from the background, the labels and the group boxes: the controls keep
  // their own menus or none.
  OpenSystemMenu(event->globalPos());
}

void CProgrammerDlg::OpenSystemMenu(const QPoint &globalPosition) { systemMenu_->Popup(globalPosition); }

void CProgrammerDlg::OnSysCommand(int commandId) {
  switch (commandId & 0xFFF0) {
    case IDM_ABOUTBOX: {
      CAboutBox about(this);
      about.exec();
      break;
    }
    case IDM_SAVE_TO_FILE:
      OnSaveToFile();
      break;
    case IDM_OPEN_FROM_FILE:
      OnOpenFromFile();
      break;
    default:
      DefaultSysCommand(commandId);
  }
}

void CProgrammerDlg::DefaultSysCommand(int commandId) {
  switch (commandId & 0xFFF0) {
    case SystemCommand::RESTORE:
      showNormal();
      break;
    case SystemCommand::MOVE:
      if (windowHandle() != nullptr) {
        windowHandle()->startSystemMove();
      }
      break;
    case SystemCommand::MINIMIZE:
      showMinimized();
      break;
    case SystemCommand::CLOSE:
      close();
      break;
    default:  // size and maximise: not for a fixed-size window
      break;
  }
}

void CProgrammerDlg::paintEvent(QPaintEvent *event) {
  if (!isMinimized()) {
    QDialog::paintEvent(event);
    return;
  }
  // Where a window system paints the minimised window itself, the icon goes in its middle.
  QPainter painter(this);
  const QSize iconSize(32, 32);
  painter.drawPixmap((width() - iconSize.width() + 1) / 2, (height() - iconSize.height() + 1) / 2,
                     appIcon_.pixmap(iconSize));
}
