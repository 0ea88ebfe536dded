// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A model of the editor window in plain C++: the memory image, the working channel, the current
// channel, the eight edits' texts and every list's entries and selection, with one function per
// user action. It takes the channel image, the code tables and the channel rules from image/,
// codes/ and validation/, and nothing from the window, so that a misreading of the editor in the
// window and in the model cannot hide each other.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "user_actions.h"
#include "working_channel.h"

// What one action gave the user and the radio, besides the state the model holds.
struct Outcome {
  std::vector<std::string> messages;  // in the order shown
  std::array<int, LIST_COUNT> selectionNotifications{};
  std::array<int, LIST_COUNT> doubleClickNotifications{};
  std::string requestPort;  // READ: where the request went ("" for none)
  std::string framePort;    // WRITE: where the frame went ("" for none)
  std::vector<std::uint8_t> frame;
  bool saved = false;  // SAVE: the file holds `savedImage`
  ChannelImage savedImage;
};

// What a list box holds: its entries, the selected one (or -1) and the caret, the entry the
// keyboard moves from.
struct ListState {
  std::vector<std::string> entries;
  int selection = -1;
  int caret = 0;
  int top = 0;  // the first entry in view
};

class EditorModel {
 public:
  EditorModel();  // the editor right after start-up

  // The action with its positions resolved against what the lists hold now: an entry, or BLANK
  // for the blank area (also for any position in an empty list).
  Action Resolve(const Action &generated) const;
  // Words for a resolved action, as a user would say what they did ("press 05频道, Tab, release").
  std::string Describe(const Action &action) const;
  // Runs a resolved action; the outcome replaces the last one.
  void Apply(const Action &action);

  const Outcome &LastOutcome() const { return outcome_; }
  const EditorState &State() const { return state_; }
  const ListState &ListOf(List list) const { return lists_[static_cast<std::size_t>(list)]; }
  const std::string &EditText(Edit edit) const { return editTexts_[static_cast<std::size_t>(edit)]; }

 private:
  // Controls that take the focus, by tab order.
  enum class Control { EDIT, LIST, BUTTON };
  struct Focus {
    Control kind;
    Edit edit;
    List list;
  };

  void Dispatch(const Action &action);
  // One function per user action.
  void Click(const Action &action);
  void Drag(const Action &action);
  void DoubleClick(const Action &action);
  void Hold(const Action &action);
  void PressListKey(const Action &action);
  void Type(const Action &action);
  void Paste(const Action &action);
  void Erase(const Action &action);
  void Tab(const Action &action);
  void PushButton(const Action &action);
  void Read(const Action &action);
  void Write(const Action &action);
  void Open(const Action &action);
  void Save(const Action &action);

  // The list box.
  ListState &At(List list) { return lists_[static_cast<std::size_t>(list)]; }
  void BeginHold(List list, int entry);
  void EndHold();  // the release, or the loss of the focus while the button is held
  void NavigationKey(List list, ListKey key);
  void TypeAhead(List list, char character);
  void Notify(List list);  // a selection the user made
  void SetCurSel(List list, int entry);  // the program's own selection: no notification
  void ScrollTo(List list, int position);  // into view; BLANK scrolls to the end
  void Refill(List list, const std::vector<std::string> &entries);

  // The edits and the data exchange.
  void TypeCharacters(Edit edit, const std::string &text);
  void EditChanged(Edit edit);
  bool Collect();
  void Refresh();
  void ShowMessage(const std::string &text);
  // What the user does between the click on 读出 or 写入 and the end of the transfer.
  void Meanwhile(const Action &action);
  void ModalWindow();  // a message box or file chooser takes the focus away for a while

  // The handlers behind the lists and buttons, and the editor's operations.
  void OnChannelSelected();
  void OnSquelchSelected();
  void OnSpacingSelected();
  void OnPortSelected();
  void OnCodeTypeChosen(bool transmit);
  void OnCodePicked(bool transmit);
  void OnClear();
  void ShowWorkingChannel();
  void ShowCode(bool transmit);
  void ShowChannelOne();
  void Load();
  void Store();
  bool ValidateAll();

  Focus NextTabStop(List from, bool backwards) const;
  std::string Circumstances(const Action &action) const;  // of a READ or WRITE, in words

  EditorState state_;
  // The dialog's data members behind the edits.
  double txFrequencyMhz_ = 0.0;
  double rxFrequencyMhz_ = 0.0;
  double totMinutes_ = 5.0;
  double bandMhz_ = 0.0;
  std::array<std::string, EDIT_COUNT> textMembers_;  // the read-only edits' members
  std::array<std::string, EDIT_COUNT> editTexts_;
  std::array<bool, EDIT_COUNT> wholeTextSelected_{};
  Edit typingFocus_ = Edit::BAND;  // where keys go while the user types
  std::array<ListState, LIST_COUNT> lists_;
  enum class Transfer { NONE, READING, WRITING };
  Transfer transfer_ = Transfer::NONE;
  bool holding_ = false;
  List heldList_ = List::CHANNEL;
  bool holdOnEntry_ = false;
  Outcome outcome_;
};
