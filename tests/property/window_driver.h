// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interpreter: plays an action on a real editor window through Qt Test's mouse and keyboard
// events on the window, the way the window system delivers a user's input, and tells where the
// window then differs from the model. Read and Write go to fake radios on pseudo-terminals;
// message boxes and file choosers are short-lived modal windows, so that the focus leaves the
// editor as it does for a user; the transfers' time is delivered by the driver.

#include <QPoint>
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "editor_model.h"
#include "pseudo_terminal.h"
#include "typed_values.h"

class DrivenDialog;
class ListBox;
class QLineEdit;
class QWidget;
class QTemporaryDir;
class MessageRecorder;
class ModalFileChooser;

class WindowDriver {
 public:
  WindowDriver();
  ~WindowDriver();
  WindowDriver(const WindowDriver &) = delete;
  WindowDriver &operator=(const WindowDriver &) = delete;

  // A fresh editor window, shown and active, in place of the last one.
  void Start();
  // Plays an action resolved by the model.
  void Perform(const Action &action);
  // Where the window differs from the model after the last action, in words; empty when the
  // window shows what the model holds and did what the model did.
  std::string Differences(const EditorModel &model) const;
  // What the user sees now, and the frame the last action sent (empty for none).
  Screen Seen() const;
  const std::vector<std::uint8_t> &Frame() const { return frame_; }

 private:
  void PerformOne(const Action &action);
  void PlugRadios(bool plugged);
  // A click on 读出 or 写入; what the user does meanwhile. False when the window was busy and
  // took the click for nothing.
  bool StartTransfer(int buttonId, const Action &action, QPoint &held);
  QWidget *Control(int id) const;
  ListBox *ListBoxOf(List list) const;
  QLineEdit *LineEditOf(Edit edit) const;
  // Scrolls the entry (or the blank area) into view and gives its point in window coordinates.
  QPoint PointOf(List list, int position) const;
  QPoint CentreOf(int controlId) const;
  void Click(const QPoint &point);
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void Characters(const std::string &text);
  void ClickIntoEdit(Edit edit);
  void TabTo(List list);
  void DragOver(List list, int from, int to);
  void Interrupt(const Action &action);
  void ReadFromRadio(const Action &action);
  void WriteToRadio(const Action &action);
  void OpenFile(const Action &action);
  void SaveFile(const Action &action);
  int RadioWithBytes(std::size_t count, int limitMs);  // 0 or 1, or -1 when none got them

  std::unique_ptr<QTemporaryDir> scratch_;
  std::array<std::unique_ptr<PseudoTerminal>, 2> radios_;  // COM1, COM2
  std::array<std::vector<std::uint8_t>, 2> received_;
  std::unique_ptr<MessageRecorder> messages_;
  std::unique_ptr<ModalFileChooser> files_;
  std::unique_ptr<DrivenDialog> dialog_;
  // What the last action did.
  std::array<int, LIST_COUNT> selections_{};
  std::array<int, LIST_COUNT> doubleClicks_{};
  std::string requestPort_;
  std::string framePort_;
  std::vector<std::uint8_t> frame_;
  bool saved_ = false;
  std::vector<std::uint8_t> savedBytes_;
};

// Plays the actions on a fresh window and on a fresh model, comparing the two after each and
// holding every frame to what the user typed (typed_values.h). The result is empty when they
// never differ; otherwise it gives the sequence up to the first
// difference in words ("press 05频道, Tab, Ctrl+A, type 411, release, 写入") and the differences.
std::string PlayAndCompare(WindowDriver &driver, const std::vector<Action> &actions);
