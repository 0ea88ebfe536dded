// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <iostream>
#include <set>
#include <sstream>
#include <streambuf>
#include <unistd.h>

#include "dialog_template.h"
#include "file_chooser.h"
#include "list_box.h"
#include "message_sink.h"
#include "programmer_dlg.h"

namespace {

constexpr int WAIT_LIMIT_MS = 5000;

constexpr std::array<int, LIST_COUNT> LIST_IDS = {
    ControlId::SPACING_LIST,  ControlId::CHANNEL_LIST,      ControlId::TX_CODE_TYPE_LIST,
    ControlId::TX_CODE_TABLE_LIST, ControlId::SQUELCH_LIST, ControlId::RX_CODE_TYPE_LIST,
    ControlId::RX_CODE_TABLE_LIST, ControlId::PORT_LIST};
constexpr std::array<int, EDIT_COUNT> EDIT_IDS = {
    ControlId::TX_FREQUENCY_EDIT, ControlId::RX_FREQUENCY_EDIT,     ControlId::SELECTED_RX_CODE_EDIT,
    ControlId::TOT_EDIT,          ControlId::SELECTED_TX_CODE_EDIT, ControlId::SELECTED_SPACING_EDIT,
    ControlId::BAND_EDIT,         ControlId::SELECTED_SQUELCH_EDIT};
constexpr std::array<const char *, 2> PORT_NAMES = {"COM1", "COM2"};

void Activate(QWidget *window) {
  window->activateWindow();
  const QDeadlineTimer deadline(WAIT_LIMIT_MS);
  while (QApplication::activeWindow() != window && !deadline.hasExpired()) {
    QCoreApplication::processEvents();
  }
}

// A modal window that closes as soon as it has the focus: a message box confirmed at once, or
// a file chooser answered at once. The editor loses the focus to it, then gets it back.
void RunModalWindow(QWidget *owner) {
  class FleetingDialog : public QDialog {
   public:
    explicit FleetingDialog(QWidget *parent) : QDialog(parent) {}

   protected:
    bool event(QEvent *event) override {
      if (event->type() == QEvent::WindowActivate) {
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
      }
      return QDialog::event(event);
    }
  };
  FleetingDialog box(owner);
  box.resize(40, 20);
  QTimer::singleShot(WAIT_LIMIT_MS, &box, &QDialog::reject);  // never wait for ever
  box.exec();
  Activate(owner);
}

std::string Hex(std::uint8_t byte) {
  static const char *const DIGITS = "0123456789ABCDEF";
  return std::string("0x") + DIGITS[byte >> 4] + DIGITS[byte & 0xF];
}

// A sink for the diagnostic lines of failed transfers.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
};

}  // namespace

// The window system's timers are the driver's: a transfer's time is up when the driver says so,
// never in the middle of a slow action.
class DrivenDialog : public CProgrammerDlg {
 public:
  void SetTimer(int timerId, int) override { running_.insert(timerId); }
  void KillTimer(int timerId) override { running_.erase(timerId); }
  // The window timer's event, when the timer runs.
  void DeliverTimer(int timerId) {
    if (running_.count(timerId) != 0) {
      OnTimer(timerId);
    }
  }

 private:
  std::set<int> running_;
};

class MessageRecorder : public MessageSink {
 public:
  explicit MessageRecorder(QWidget *owner) : owner_(owner) {}
  void ShowMessage(const QString &text) override {
    shown.push_back(text.toStdString());
    RunModalWindow(owner_);
  }
  std::vector<std::string> shown;

 private:
  QWidget *owner_;
};

class ModalFileChooser : public FileChooser {
 public:
  explicit ModalFileChooser(QWidget *owner) : owner_(owner) {}
  QString SaveFileName(const QString &, const QString &, const QString &) override {
    RunModalWindow(owner_);
    return path;
  }
  QString OpenFileName(const QString &, const QString &) override {
    RunModalWindow(owner_);
    return path;
  }
  QString path;  // the answer; empty for cancel

 private:
  QWidget *owner_;
};

WindowDriver::WindowDriver() : scratch_(std::make_unique<QTemporaryDir>()) {
  for (auto &radio : radios_) {
    radio = std::make_unique<PseudoTerminal>();
  }
  PlugRadios(true);
}

WindowDriver::~WindowDriver() = default;

void WindowDriver::Start() {
  dialog_.reset();
  dialog_ = std::make_unique<DrivenDialog>();
  messages_ = std::make_unique<MessageRecorder>(dialog_.get());
  files_ = std::make_unique<ModalFileChooser>(dialog_.get());
  dialog_->SetMessageSink(messages_.get());
  dialog_->SetFileChooser(files_.get());
  dialog_->Create();
  for (std::size_t i = 0; i < LIST_COUNT; ++i) {
    ListBox *list = ListBoxOf(static_cast<List>(i));
    QObject::connect(list, &ListBox::SelectionChanged, [this, i] { ++selections_[i]; });
    QObject::connect(list, &ListBox::DoubleClicked, [this, i] { ++doubleClicks_[i]; });
  }
  dialog_->show();
  Activate(dialog_.get());
}

void WindowDriver::Perform(const Action &action) {
  selections_.fill(0);
  doubleClicks_.fill(0);
  messages_->shown.clear();
  requestPort_.clear();
  framePort_.clear();
  frame_.clear();
  saved_ = false;
  NullBuffer silence;
  std::streambuf *diagnostics = std::cerr.rdbuf(&silence);
  PerformOne(action);
  std::cerr.rdbuf(diagnostics);
}

void WindowDriver::PerformOne(const Action &action) {
  switch (action.kind) {
    case ActionKind::CLICK: {
      const QPoint point = PointOf(action.list, action.position);
      const Qt::MouseButton button = action.button == MouseButton::LEFT    ? Qt::LeftButton
                                     : action.button == MouseButton::RIGHT ? Qt::RightButton
                                                                           : Qt::MiddleButton;
      QTest::mouseClick(dialog_->windowHandle(), button, Qt::NoModifier, point);
      break;
    }
    case ActionKind::DRAG:
      DragOver(action.list, action.position, action.target);
      break;
    case ActionKind::DOUBLE_CLICK:
      QTest::mouseDClick(dialog_->windowHandle(), Qt::LeftButton, Qt::NoModifier, PointOf(action.list, action.position));
      break;
    case ActionKind::HOLD: {
      const QPoint point = PointOf(action.list, action.position);
      QTest::mousePress(dialog_->windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
      Interrupt(action);
      QTest::mouseRelease(dialog_->windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
      break;
    }
    case ActionKind::LIST_KEY:
      TabTo(action.list);
      if (action.key == ListKey::CHARACTER) {
        Characters(std::string(1, action.character));
      } else {
        static const int KEYS[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
        Key(KEYS[static_cast<int>(action.key)]);
      }
      break;
    case ActionKind::TYPE:
      ClickIntoEdit(action.edit);
      Key(Qt::Key_A, Qt::ControlModifier);
      if (action.text.empty()) {
        Key(Qt::Key_Backspace);
      }
      Characters(action.text);
      break;
    case ActionKind::PASTE:
      QGuiApplication::clipboard()->setText(QString::fromStdString(action.text));
      ClickIntoEdit(action.edit);
      Key(Qt::Key_A, Qt::ControlModifier);
      Key(Qt::Key_V, Qt::ControlModifier);
      break;
    case ActionKind::ERASE:
      ClickIntoEdit(action.edit);
      Key(action.backwards ? Qt::Key_Home : Qt::Key_End);
      Key(action.backwards ? Qt::Key_Delete : Qt::Key_Backspace);
      break;
    case ActionKind::TAB:
      Key(action.backwards ? Qt::Key_Backtab : Qt::Key_Tab, action.backwards ? Qt::ShiftModifier : Qt::NoModifier);
      break;
    case ActionKind::BUTTON:
      Click(CentreOf(action.pushButton == Button::COPY_TO_RX   ? ControlId::COPY_TO_RX_BUTTON
                     : action.pushButton == Button::COPY_TO_TX ? ControlId::COPY_TO_TX_BUTTON
                                                               : ControlId::CLEAR_BUTTON));
      break;
    case ActionKind::READ:
      ReadFromRadio(action);
      break;
    case ActionKind::WRITE:
      WriteToRadio(action);
      break;
    case ActionKind::OPEN:
      OpenFile(action);
      break;
    case ActionKind::SAVE:
      SaveFile(action);
      break;
  }
}

void WindowDriver::Interrupt(const Action &action) {
  switch (action.interruption) {
    case Interruption::NONE:
      break;
    case Interruption::TAB:
    case Interruption::SHIFT_TAB: {
      const bool backwards = action.interruption == Interruption::SHIFT_TAB;
      Key(backwards ? Qt::Key_Backtab : Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
      if (!action.text.empty()) {
        Key(Qt::Key_A, Qt::ControlModifier);
        Characters(action.text);
      }
      break;
    }
    case Interruption::SAVE_CANCELLED:
      files_->path.clear();
      Key(Qt::Key_S, Qt::ControlModifier);
      break;
    case Interruption::OPEN_CANCELLED:
      files_->path.clear();
      Key(Qt::Key_O, Qt::ControlModifier);
      break;
  }
}

void WindowDriver::PlugRadios(bool plugged) {
  for (std::size_t port = 0; port < radios_.size(); ++port) {
    const std::string device = plugged ? radios_[port]->SlavePath() : scratch_->filePath("unplugged").toStdString();
    setenv((std::string("ZENTOR_") + PORT_NAMES[port]).c_str(), device.c_str(), 1);
  }
}

bool WindowDriver::StartTransfer(int buttonId, const Action &action, QPoint &held) {
  const bool idle = dialog_->CurrentLinkState() == LinkState::Idle;
  PlugRadios(!action.unplugged);
  Click(CentreOf(buttonId));
  if (!idle) {
    return false;
  }
  if (action.holding) {
    held = PointOf(action.list, action.position);
    QTest::mousePress(dialog_->windowHandle(), Qt::LeftButton, Qt::NoModifier, held);
  }
  for (const Action &meanwhile : action.during) {
    PerformOne(meanwhile);
  }
  return true;
}

void WindowDriver::ReadFromRadio(const Action &action) {
  QPoint held;
  if (!StartTransfer(ControlId::READ_BUTTON, action, held)) {
    return;
  }
  if (dialog_->CurrentLinkState() == LinkState::Reading) {
    // The radio on the port that got the request answers it.
    const int radio = RadioWithBytes(readRequest.size(), WAIT_LIMIT_MS);
    if (radio != -1) {
      requestPort_ = PORT_NAMES[static_cast<std::size_t>(radio)];
      const std::vector<std::uint8_t> reply = ReplyBytes(action);
      radios_[static_cast<std::size_t>(radio)]->Send(reply);
      const QDeadlineTimer deadline(WAIT_LIMIT_MS);
      while (dialog_->Port().ReplyLength() < reply.size() && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::usleep(200);
      }
    }
    dialog_->DeliverTimer(READ_TIMER);
  }
  if (action.holding) {
    QTest::mouseRelease(dialog_->windowHandle(), Qt::LeftButton, Qt::NoModifier, held);
  }
  PlugRadios(true);
}

void WindowDriver::WriteToRadio(const Action &action) {
  QPoint held;
  if (!StartTransfer(ControlId::WRITE_BUTTON, action, held)) {
    return;
  }
  if (dialog_->CurrentLinkState() == LinkState::Writing) {
    const int radio = RadioWithBytes(WRITE_FRAME_SIZE, WAIT_LIMIT_MS);
    if (radio != -1) {
      framePort_ = PORT_NAMES[static_cast<std::size_t>(radio)];
      frame_ = received_[static_cast<std::size_t>(radio)];
    }
    dialog_->DeliverTimer(WRITE_TIMER);
  }
  if (action.holding) {
    QTest::mouseRelease(dialog_->windowHandle(), Qt::LeftButton, Qt::NoModifier, held);
  }
  PlugRadios(true);
}

int WindowDriver::RadioWithBytes(std::size_t count, int limitMs) {
  for (auto &bytes : received_) {
    bytes.clear();
  }
  const QDeadlineTimer deadline(limitMs);
  do {
    QCoreApplication::processEvents();
    for (std::size_t radio = 0; radio < radios_.size(); ++radio) {
      std::uint8_t chunk[256];
      ssize_t got = 0;
      while ((got = read(radios_[radio]->MasterFd(), chunk, sizeof chunk)) > 0) {
        received_[radio].insert(received_[radio].end(), chunk, chunk + got);
      }
      if (received_[radio].size() >= count) {
        return static_cast<int>(radio);
      }
    }
    QThread::usleep(200);
  } while (!deadline.hasExpired());
  return -1;
}

void WindowDriver::OpenFile(const Action &action) {
  files_->path.clear();
  if (action.file != FileChoice::CANCEL) {
    files_->path = scratch_->filePath(QStringLiteral("opened.bin"));
    const std::vector<std::uint8_t> bytes = FileBytes(action);
    QFile file(files_->path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size())) {
      throw std::runtime_error("cannot write the file to open");
    }
  }
  Key(Qt::Key_O, Qt::ControlModifier);
}

void WindowDriver::SaveFile(const Action &action) {
  const QString path = scratch_->filePath(QStringLiteral("saved.bin"));
  QFile::remove(path);
  files_->path = action.file == FileChoice::CANCEL ? QString() : path;
  Key(Qt::Key_S, Qt::ControlModifier);
  QFile file(path);
  saved_ = file.open(QIODevice::ReadOnly);
  if (saved_) {
    const QByteArray bytes = file.readAll();
    savedBytes_.assign(bytes.begin(), bytes.end());
  }
}

QWidget *WindowDriver::Control(int id) const { return dialog_->Control(id); }

ListBox *WindowDriver::ListBoxOf(List list) const {
  return qobject_cast<ListBox *>(Control(LIST_IDS[static_cast<std::size_t>(list)]));
}

QLineEdit *WindowDriver::LineEditOf(Edit edit) const {
  return qobject_cast<QLineEdit *>(Control(EDIT_IDS[static_cast<std::size_t>(edit)]));
}

QPoint WindowDriver::PointOf(List list, int position) const {
  ListBox *box = ListBoxOf(list);
  QPoint inViewport;
  if (position == BLANK) {
    // Below the last entry, with the list scrolled to its end.
    box->scrollToBottom();
    inViewport = QPoint(8, box->viewport()->height() - 2);
    if (box->indexAt(inViewport).isValid()) {
      throw std::runtime_error(std::string(ListName(list)) + " has no blank area");
    }
  } else {
    if (position >= box->count()) {
      throw std::runtime_error(std::string(ListName(list)) + " has no entry " + std::to_string(position));
    }
    box->scrollToItem(box->item(position));
    inViewport = box->visualItemRect(box->item(position)).center();
  }
  return box->viewport()->mapTo(dialog_.get(), inViewport);
}

QPoint WindowDriver::CentreOf(int controlId) const {
  QWidget *control = Control(controlId);
  return control->mapTo(dialog_.get(), control->rect().center());
}

void WindowDriver::Click(const QPoint &point) {
  QTest::mouseClick(dialog_->windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
}

void WindowDriver::Key(int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(dialog_->windowHandle(), static_cast<Qt::Key>(key), modifiers);
}

void WindowDriver::Characters(const std::string &text) {
  for (const char c : text) {
    QTest::keyClick(dialog_->windowHandle(), c);
  }
}

void WindowDriver::ClickIntoEdit(Edit edit) {
  QLineEdit *line = LineEditOf(edit);
  Click(line->mapTo(dialog_.get(), QPoint(line->width() - 8, line->height() / 2)));
}

void WindowDriver::TabTo(List list) {
  ListBox *box = ListBoxOf(list);
  for (int tabs = 0; tabs < 20 && dialog_->focusWidget() != box; ++tabs) {
    Key(Qt::Key_Tab);
  }
  if (dialog_->focusWidget() != box) {
    throw std::runtime_error(std::string("Tab never reaches ") + ListName(list));
  }
}

void WindowDriver::DragOver(List list, int from, int to) {
  ListBox *box = ListBoxOf(list);
  QWindow *window = dialog_->windowHandle();
  QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, PointOf(list, from));
  // The wheel brings the end of the drag into view, then the mouse passes over every entry on
  // the way that can be seen.
  box->scrollToItem(box->item(to));
  const int start = from == BLANK ? to : from;
  const int step = to > start ? 1 : -1;
  for (int row = start; row != to; row += step) {
    const QRect rect = box->visualItemRect(box->item(row));
    if (box->viewport()->rect().contains(rect)) {
      QTest::mouseMove(window, box->viewport()->mapTo(dialog_.get(), rect.center()));
    }
  }
  const QPoint end = box->viewport()->mapTo(dialog_.get(), box->visualItemRect(box->item(to)).center());
  QTest::mouseMove(window, end);
  QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, end);
}

std::string WindowDriver::Differences(const EditorModel &model) const {
  std::ostringstream out;
  const auto entryText = [](const ListState &state, int entry) {
    return entry == -1 ? std::string("nothing") : state.entries[static_cast<std::size_t>(entry)];
  };
  if (dialog_->CurrentLinkState() != LinkState::Idle) {
    out << "  a transfer is still running\n";
  }
  for (std::size_t i = 0; i < LIST_COUNT; ++i) {
    const List list = static_cast<List>(i);
    const ListBox *box = ListBoxOf(list);
    const ListState &expected = model.ListOf(list);
    if (box->GetCount() != static_cast<int>(expected.entries.size())) {
      out << "  " << ListName(list) << " holds " << box->GetCount() << " entries, the model "
          << expected.entries.size() << "\n";
    } else if (box->GetCurSel() != expected.selection) {
      const int shown = box->GetCurSel();
      out << "  " << ListName(list) << " selects " << (shown == -1 ? std::string("nothing") : box->GetText(shown).toStdString())
          << ", the model " << entryText(expected, expected.selection) << "\n";
    }
    if (box->GetCount() == static_cast<int>(expected.entries.size()) && box->verticalScrollBar()->value() != expected.top) {
      out << "  " << ListName(list) << " shows " << box->GetText(box->verticalScrollBar()->value()).toStdString()
          << " first, the model " << entryText(expected, expected.top) << "\n";
    }
    const Outcome &outcome = model.LastOutcome();
    if (selections_[i] != outcome.selectionNotifications[i] || doubleClicks_[i] != outcome.doubleClickNotifications[i]) {
      out << "  " << ListName(list) << " notified " << selections_[i] << " selection(s) and " << doubleClicks_[i]
          << " double click(s), the model " << outcome.selectionNotifications[i] << " and "
          << outcome.doubleClickNotifications[i] << "\n";
    }
  }
  for (std::size_t i = 0; i < EDIT_COUNT; ++i) {
    const Edit edit = static_cast<Edit>(i);
    const std::string shown = LineEditOf(edit)->text().toStdString();
    if (shown != model.EditText(edit)) {
      out << "  " << EditName(edit) << " shows '" << shown << "', the model '" << model.EditText(edit) << "'\n";
    }
  }
  const Outcome &outcome = model.LastOutcome();
  if (messages_->shown != outcome.messages) {
    out << "  messages:";
    for (const std::string &text : messages_->shown) out << " \"" << text << "\"";
    out << "; the model:";
    for (const std::string &text : outcome.messages) out << " \"" << text << "\"";
    out << "\n";
  }
  if (requestPort_ != outcome.requestPort) {
    out << "  the read request went to '" << requestPort_ << "', the model '" << outcome.requestPort << "'\n";
  }
  if (framePort_ != outcome.framePort) {
    out << "  the write frame went to '" << framePort_ << "', the model '" << outcome.framePort << "'\n";
  } else if (frame_ != outcome.frame) {
    for (std::size_t i = 0; i < frame_.size() && i < outcome.frame.size(); ++i) {
      if (frame_[i] != outcome.frame[i]) {
        out << "  write frame byte " << i << " is " << Hex(frame_[i]) << ", the model " << Hex(outcome.frame[i]) << "\n";
        break;
      }
    }
    if (frame_.size() != outcome.frame.size()) {
      out << "  the write frame has " << frame_.size() << " bytes, the model " << outcome.frame.size() << "\n";
    }
  }
  if (saved_ != outcome.saved ||
      (saved_ && savedBytes_ != std::vector<std::uint8_t>(outcome.savedImage.bytes.begin(), outcome.savedImage.bytes.end()))) {
    out << "  the saved file " << (saved_ ? "differs from" : "is missing beside") << " the model's image\n";
  }
  const EditorState &state = dialog_->State();
  const EditorState &expected = model.State();
  int imageDifferences = 0;
  for (std::size_t i = 0; i < IMAGE_SIZE; ++i) {
    if (state.image.bytes[i] != expected.image.bytes[i] && ++imageDifferences <= 4) {
      out << "  image byte " << i << " (channel " << i / RECORD_SIZE + 1 << ", offset " << i % RECORD_SIZE << ") is "
          << Hex(state.image.bytes[i]) << ", the model " << Hex(expected.image.bytes[i]) << "\n";
    }
  }
  if (imageDifferences > 4) {
    out << "  and " << imageDifferences - 4 << " more image bytes differ\n";
  }
  if (state.currentChannel != expected.currentChannel) {
    out << "  channel " << state.currentChannel + 1 << " is current, the model " << expected.currentChannel + 1 << "\n";
  }
  const WorkingChannel &w = state.working;
  const WorkingChannel &m = expected.working;
  if (!(w == m)) {
    out << "  working channel (rx, rxCode, tx, txCode, tot, squelch, flags, band): " << w.rxFrequency << ", " << w.rxCode
        << ", " << w.txFrequency << ", " << w.txCode << ", " << w.tot << ", " << w.squelch << ", " << int{w.flags} << ", "
        << w.band << "; the model " << m.rxFrequency << ", " << m.rxCode << ", " << m.txFrequency << ", " << m.txCode << ", "
        << m.tot << ", " << m.squelch << ", " << int{m.flags} << ", " << m.band << "\n";
  }
  if (state.portName != expected.portName || state.spacingText != expected.spacingText) {
    out << "  port and spacing " << state.portName << ", " << state.spacingText << "; the model " << expected.portName
        << ", " << expected.spacingText << "\n";
  }
  return out.str();
}

Screen WindowDriver::Seen() const {
  Screen screen;
  screen.channel = dialog_->State().currentChannel;
  for (std::size_t i = 0; i < NUMBER_EDITS.size(); ++i) {
    screen.texts[i] = LineEditOf(NUMBER_EDITS[i])->text().toStdString();
  }
  return screen;
}

std::string PlayAndCompare(WindowDriver &driver, const std::vector<Action> &actions) {
  driver.Start();
  EditorModel model;
  TypedValues typed;
  std::string words;
  for (const Action &generated : actions) {
    const Action action = model.Resolve(generated);
    words += (words.empty() ? "" : ", ") + model.Describe(action);
    const Screen before = driver.Seen();
    driver.Perform(action);
    model.Apply(action);
    const std::string differences = driver.Differences(model) + typed.Check(driver.Frame());
    typed.Follow(action, before, driver.Seen());
    if (!differences.empty()) {
      return "after " + words + ":\n" + differences;
    }
  }
  return {};
}
