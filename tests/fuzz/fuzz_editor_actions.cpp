// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes read as a sequence of up to 40 user actions, played on a fresh editor window and on the
// model of the editor, as the property test does; coverage guides the search. Any difference
// between the two ends the run with the sequence in words. Each action takes a kind byte and
// the bytes its arguments need; a sequence that runs out of bytes reads zeros.

#include <QApplication>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "user_actions.h"
#include "window_driver.h"

namespace {

constexpr std::size_t MOST_ACTIONS = 40;

class ByteReader {
 public:
  ByteReader(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}
  bool AtEnd() const { return at_ >= size_; }
  std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
  int Below(int bound) { return Next() % bound; }
  std::uint32_t Word() {
    std::uint32_t word = 0;
    for (int i = 0; i < 4; ++i) {
      word = word << 8 | Next();
    }
    return word;
  }
  std::string Text(const std::vector<std::string> &pieces, int longest) {
    std::string text;
    for (int count = Below(longest + 1); count > 0; --count) {
      text += pieces[static_cast<std::size_t>(Below(static_cast<int>(pieces.size())))];
    }
    return text;
  }

 private:
  const std::uint8_t *data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

const std::vector<std::string> TYPED = {"0", "1", "2", "3", "4", "5", "8", "9", ".", "-", "+", "e", "E", " ", "a", "x"};
const std::vector<std::string> PASTED = {"0", "1", "4", "5", ".", "-", "e", " ", "a", "１", "频", "+"};
const std::vector<std::string> DIGITS = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

// `meanwhile`: an action done while a transfer runs, which starts no transfer of its own.
Action ReadAction(ByteReader &bytes, bool meanwhile = false) {
  Action action;
  action.kind = static_cast<ActionKind>(bytes.Below(14));
  action.list = static_cast<List>(bytes.Below(static_cast<int>(LIST_COUNT)));
  const std::uint8_t position = bytes.Next();
  action.position = position == 0xFF ? BLANK : position;
  action.edit = NUMBER_EDITS[static_cast<std::size_t>(bytes.Below(static_cast<int>(NUMBER_EDITS.size())))];
  switch (action.kind) {
    case ActionKind::CLICK: {
      const int button = bytes.Below(8);
      action.button = button < 6 ? MouseButton::LEFT : button == 6 ? MouseButton::RIGHT : MouseButton::MIDDLE;
      break;
    }
    case ActionKind::DRAG:
      action.target = bytes.Next();
      break;
    case ActionKind::HOLD:
      action.interruption = static_cast<Interruption>(bytes.Below(5));
      action.text = bytes.Text(DIGITS, 4);
      break;
    case ActionKind::LIST_KEY:
      action.key = static_cast<ListKey>(bytes.Below(7));
      action.character = "0123456789CDNcd."[bytes.Below(16)];
      break;
    case ActionKind::TYPE:
      action.text = bytes.Text(TYPED, 15);
      break;
    case ActionKind::PASTE:
      action.text = bytes.Text(PASTED, 40);
      break;
    case ActionKind::ERASE:
    case ActionKind::TAB:
      action.backwards = bytes.Below(2) == 1;
      break;
    case ActionKind::BUTTON:
      action.pushButton = static_cast<Button>(bytes.Below(3));
      break;
    case ActionKind::READ:
      action.reply = static_cast<Reply>(bytes.Below(3));
      action.replyLength = static_cast<std::size_t>(bytes.Below(static_cast<int>(IMAGE_SIZE)));
      [[fallthrough]];
    case ActionKind::WRITE:
      if (meanwhile) {
        break;
      }
      action.holding = bytes.Below(2) == 1;
      action.unplugged = bytes.Below(8) == 0;
      if (bytes.Below(3) == 0) {
        action.during.push_back(ReadAction(bytes, true));
      }
      break;
    case ActionKind::OPEN:
      action.file = static_cast<FileChoice>(bytes.Below(3));
      break;
    case ActionKind::SAVE:
      action.file = bytes.Below(2) == 0 ? FileChoice::CANCEL : FileChoice::IMAGE;
      break;
    case ActionKind::DOUBLE_CLICK:
      break;
  }
  if (action.kind == ActionKind::READ || action.kind == ActionKind::OPEN) {
    action.style = static_cast<ImageStyle>(bytes.Below(3));
    action.seed = bytes.Word();
  }
  return action;
}

WindowDriver *driver = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz_editor_actions";
  static char *argv[] = {name, nullptr};
  // Never destroyed: the process ends inside libFuzzer.
  new QApplication(argc, argv);
  driver = new WindowDriver();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  ByteReader bytes(data, size);
  std::vector<Action> actions;
  while (!bytes.AtEnd() && actions.size() < MOST_ACTIONS) {
    actions.push_back(ReadAction(bytes));
  }
  const std::string failure = PlayAndCompare(*driver, actions);
  if (!failure.empty()) {
    std::fprintf(stderr, "%s", failure.c_str());
  }
  FuzzCheck(failure.empty(), "the window does what the model of the editor does");
  return 0;
}
