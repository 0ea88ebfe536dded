// SPDX-License-Identifier: GPL-3.0-or-later
// The editor window's hot paths, timed on the real dialog: the display refresh behind every
// channel selection, and a keystroke in the transmit frequency edit.

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>
#include <vector>

#include "benchmark_checks.h"
#include "dialog_template.h"
#include "list_box.h"
#include "message_sink.h"
#include "programmer_dlg.h"

namespace {

class RecordingMessageSink : public MessageSink {
 public:
  void ShowMessage(const QString &text) override { messages.push_back(text); }
  std::vector<QString> messages;
};

// The editor as the user has it: created, shown and active, with messages recorded instead of
// waiting in a modal box.
class ShownEditor {
 public:
  ShownEditor() {
    dialog_.SetMessageSink(&sink_);
    dialog_.Create();
    dialog_.show();
    dialog_.activateWindow();
    windowActive_ = QTest::qWaitForWindowActive(&dialog_);
  }

  CProgrammerDlg &Dialog() { return dialog_; }
  const RecordingMessageSink &Sink() const { return sink_; }
  bool Active() const { return windowActive_; }
  QLineEdit *Edit(int id) const { return qobject_cast<QLineEdit *>(dialog_.Control(id)); }
  ListBox *List(int id) const { return qobject_cast<ListBox *>(dialog_.Control(id)); }

 private:
  RecordingMessageSink sink_;
  CProgrammerDlg dialog_;
  bool windowActive_ = false;
};

// A channel with a DCS code in both directions, so both code table lists are refilled with all
// 166 entries: the most work one display refresh can have.
void PutDcsChannelOnScreen(CProgrammerDlg &dialog) {
  WorkingChannel &channel = dialog.State().working;
  channel.band = 4300000;
  channel.txFrequency = 4380120;
  channel.rxFrequency = 4380250;
  channel.tot = 50;
  channel.squelch = 200;
  channel.flags = FLAG_TX_CODED | FLAG_RX_CODED;
  channel.txCode = 6;     // "043N", entry 5
  channel.rxCode = 0x87;  // "023I", entry 83
  dialog.ShowWorkingChannel();
}

bool ShowsTheDcsChannel(const ShownEditor &editor) {
  const ListBox *txTable = editor.List(ControlId::TX_CODE_TABLE_LIST);
  const ListBox *rxTable = editor.List(ControlId::RX_CODE_TABLE_LIST);
  return txTable->GetCount() == 166 && rxTable->GetCount() == 166 && txTable->GetCurSel() == 5 &&
         rxTable->GetCurSel() == 83 &&
         editor.Edit(ControlId::SELECTED_TX_CODE_EDIT)->text() == QStringLiteral("043N") &&
         editor.Edit(ControlId::SELECTED_RX_CODE_EDIT)->text() == QStringLiteral("023I") &&
         editor.Edit(ControlId::TX_FREQUENCY_EDIT)->text() == QStringLiteral("438.012");
}

void BM_ShowWorkingChannel(benchmark::State &state) {
  ShownEditor editor;
  if (!Require(state, editor.Active(), "the editor window becomes active")) {
    return;
  }
  PutDcsChannelOnScreen(editor.Dialog());
  for (auto _ : state) {
    editor.Dialog().ShowWorkingChannel();
  }
  Require(state, ShowsTheDcsChannel(editor), "the DCS channel is on screen");
  SetTargetMicroseconds(state, 1000);
}
BENCHMARK(BM_ShowWorkingChannel)->Unit(benchmark::kMicrosecond);

// The same refresh followed by what the event loop does before the user sees it: the delayed
// item layout of the refilled lists and the repaint of the window.
void BM_ShowWorkingChannelAndPaint(benchmark::State &state) {
  ShownEditor editor;
  if (!Require(state, editor.Active(), "the editor window becomes active")) {
    return;
  }
  PutDcsChannelOnScreen(editor.Dialog());
  QApplication::processEvents();
  for (auto _ : state) {
    editor.Dialog().ShowWorkingChannel();
    QApplication::processEvents();
  }
  Require(state, ShowsTheDcsChannel(editor), "the DCS channel is on screen");
}
BENCHMARK(BM_ShowWorkingChannelAndPaint)->Unit(benchmark::kMicrosecond);

// One keystroke in edit 1007, by way of the key event, textEdited, the collect of every edit and
// the conversion into the working channel. A digit and Backspace take turns, so the text is
// "438.0125" or "438.012" however many iterations run.
void BM_TxFrequencyKeystroke(benchmark::State &state) {
  ShownEditor editor;
  if (!Require(state, editor.Active(), "the editor window becomes active")) {
    return;
  }
  PutDcsChannelOnScreen(editor.Dialog());
  QLineEdit *edit = editor.Edit(ControlId::TX_FREQUENCY_EDIT);
  edit->setFocus(Qt::MouseFocusReason);
  edit->end(false);
  bool typeDigit = true;
  for (auto _ : state) {
    QTest::keyClick(edit, typeDigit ? Qt::Key_5 : Qt::Key_Backspace);
    typeDigit = !typeDigit;
  }
  const bool digitShown = !typeDigit;
  Require(state, edit->text() == (digitShown ? QStringLiteral("438.0125") : QStringLiteral("438.012")),
          "the keystrokes reach the edit");
  Require(state, editor.Dialog().State().working.txFrequency == (digitShown ? 4380125 : 4380120),
          "the keystrokes reach the working channel");
  Require(state, editor.Sink().messages.empty(), "the collect finds every edit valid");
  SetTargetMicroseconds(state, 100);
}
BENCHMARK(BM_TxFrequencyKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
