// SPDX-License-Identifier: GPL-3.0-or-later
// Random sequences of 1 to 40 user actions, each played on a fresh editor window and on the
// model of the editor; after every action the window must show and have done what the model
// holds. A failing sequence is shrunk and printed in words. RC_PARAMS sets the number of
// sequences (300 unless it says otherwise) and replays a seed.

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "editor_model.h"
#include "test_application.h"
#include "window_driver.h"

void showValue(const Action &action, std::ostream &os);

namespace {

[[maybe_unused]] const bool DEFAULT_RUNS = [] { return setenv("RC_PARAMS", "max_success=300", 0) == 0; }();

rc::Gen<int> Position() {
  return rc::gen::weightedOneOf<int>({{1, rc::gen::just(BLANK)}, {7, rc::gen::inRange(0, 200)}});
}

rc::Gen<std::string> Joined(const std::vector<rc::Gen<std::string>> &parts) {
  return rc::gen::exec([parts] {
    std::string text;
    for (const rc::Gen<std::string> &part : parts) {
      text += *part;
    }
    return text;
  });
}

rc::Gen<std::string> Digits(int least, int most) {
  return rc::gen::exec([least, most] {
    const int count = *rc::gen::inRange(least, most + 1);
    return *rc::gen::container<std::string>(static_cast<std::size_t>(count), rc::gen::inRange('0', static_cast<char>('9' + 1)));
  });
}

// What a user types into a number edit: values that the channel rules accept, numbers in and
// out of range, many decimals, signs, exponents, letters, blanks.
rc::Gen<std::string> NumberText() {
  using rc::gen::element;
  using rc::gen::just;
  const auto text = [](const char *value) { return just(std::string(value)); };
  return rc::gen::weightedOneOf<std::string>({
      {3, rc::gen::map(rc::gen::inRange(35, 46), [](int tens) { return std::to_string(tens * 10); })},
      {4, rc::gen::exec([] {
         const int band = *rc::gen::weightedOneOf<int>({{3, rc::gen::just(400)}, {1, rc::gen::inRange(35, 46)}});
         const int mhz = (band > 100 ? band : band * 10) + *rc::gen::inRange(0, 21);
         const int grid = *rc::gen::inRange(0, 800) * 125;  // 12.5 kHz steps within a MHz
         std::string fraction = std::to_string(10000 + grid / 10).substr(1);
         while (!fraction.empty() && fraction.back() == '0') {
           fraction.pop_back();
         }
         return std::to_string(mhz) + (fraction.empty() ? "" : "." + fraction);
       })},
      {2, element<std::string>("0.1", "1", "5", "10", "0", "0.05", "10.1", "25.5", "30", "100", "150")},
      {2, Joined({element<std::string>("", "-", "+"), Digits(1, 5), element<std::string>("", "."), Digits(0, 6)})},
      {1, element<std::string>("438.01250000000001", "0.00000000000001", "400.000000000000000000000000001",
                               "1677.7215", "1677.7216", "2077.7216", "999999999")},
      {1, element<std::string>("-5", "-0", "+0", "-0.0125", "+438", "--5", "-1677.7216")},
      {1, element<std::string>("4.3e2", "1e400", "1e-400", "4E2", "1e", "e5", "4.38e+2", "1e-3")},
      {1, element<std::string>("abc", "0x10", "inf", "nan", "1,5", "4 3", "438.0125x", ".", ".5")},
      {1, element<std::string>("", " 12", "12 ", " ", " 0 ")},
      {1, text("411")},
  });
}

// Forty characters at once: digits, a number too long to read whole, or anything at all.
rc::Gen<std::string> PastedText() {
  return rc::gen::weightedOneOf<std::string>({
      {1, Digits(40, 40)},
      {1, rc::gen::just(std::string("438.0125000000000000000000000000000000000"))},
      {1, rc::gen::exec([] {
         const std::vector<std::string> pieces = {"1", "2", "4", "0", ".", "-", "e", "a", " ", "１", "频", "+", "5"};
         std::string text;
         for (int i = 0; i < 40; ++i) {
           text += *rc::gen::elementOf(pieces);
         }
         return text;
       })},
      {1, NumberText()},
      // Just below zero, and zero itself: a frequency stored as 0 is "not set", so a negative
      // one beside an empty partner must still be refused.
      {1, rc::gen::element<std::string>("-0.0125", "-5", "0", "-0.00001")},
  });
}

rc::Gen<List> AnyList() {
  return rc::gen::element(List::SPACING, List::CHANNEL, List::TX_CODE_TYPE, List::TX_CODE_TABLE, List::SQUELCH,
                          List::RX_CODE_TYPE, List::RX_CODE_TABLE, List::PORT);
}

// `meanwhile`: an action done while a transfer runs, which starts no transfer of its own.
rc::Gen<Action> AnAction(bool meanwhile = false) {
  return rc::gen::exec([meanwhile] {
    Action action;
    action.kind = *rc::gen::weightedElement<ActionKind>({
        {10, ActionKind::CLICK}, {4, ActionKind::DRAG},      {2, ActionKind::DOUBLE_CLICK}, {4, ActionKind::HOLD},
        {6, ActionKind::LIST_KEY}, {9, ActionKind::TYPE},   {2, ActionKind::PASTE},        {2, ActionKind::ERASE},
        {1, ActionKind::TAB},   {3, ActionKind::BUTTON},    {3, ActionKind::READ},         {3, ActionKind::WRITE},
        {2, ActionKind::OPEN},  {1, ActionKind::SAVE},
    });
    action.list = *AnyList();
    action.position = *Position();
    action.edit = *rc::gen::elementOf(NUMBER_EDITS);
    action.seed = *rc::gen::arbitrary<std::uint32_t>();
    action.style = *rc::gen::weightedElement<ImageStyle>(
        {{3, ImageStyle::VALID}, {2, ImageStyle::MIXED}, {1, ImageStyle::RANDOM}});
    switch (action.kind) {
      case ActionKind::CLICK:
        action.button = *rc::gen::weightedElement<MouseButton>(
            {{6, MouseButton::LEFT}, {1, MouseButton::RIGHT}, {1, MouseButton::MIDDLE}});
        break;
      case ActionKind::DRAG:
        action.target = *rc::gen::inRange(0, 200);
        break;
      case ActionKind::HOLD:
        action.interruption = *rc::gen::weightedElement<Interruption>(
            {{1, Interruption::NONE}, {3, Interruption::TAB}, {1, Interruption::SHIFT_TAB},
             {2, Interruption::SAVE_CANCELLED}, {2, Interruption::OPEN_CANCELLED}});
        action.text = *rc::gen::weightedOneOf<std::string>({{1, rc::gen::just(std::string())}, {1, Digits(1, 4)}});
        break;
      case ActionKind::LIST_KEY:
        action.key = *rc::gen::element(ListKey::UP, ListKey::DOWN, ListKey::HOME, ListKey::END, ListKey::PAGE_UP,
                                       ListKey::PAGE_DOWN, ListKey::CHARACTER);
        action.character = *rc::gen::elementOf(std::string("0123456789CDNcd."));
        break;
      case ActionKind::TYPE:
        action.text = *NumberText();
        break;
      case ActionKind::PASTE:
        action.text = *PastedText();
        break;
      case ActionKind::ERASE:
      case ActionKind::TAB:
        action.backwards = *rc::gen::arbitrary<bool>();
        break;
      case ActionKind::BUTTON:
        action.pushButton = *rc::gen::element(Button::COPY_TO_RX, Button::COPY_TO_TX, Button::CLEAR);
        break;
      case ActionKind::READ:
        action.reply = *rc::gen::weightedElement<Reply>({{3, Reply::WHOLE}, {1, Reply::SHORT}, {1, Reply::MARKER_ZERO}});
        action.replyLength = *rc::gen::weightedOneOf<std::size_t>(
            {{1, rc::gen::inRange<std::size_t>(0, IMAGE_SIZE)}, {2, rc::gen::inRange<std::size_t>(178, IMAGE_SIZE)}});
        [[fallthrough]];
      case ActionKind::WRITE:
        if (meanwhile) {
          break;
        }
        action.holding = *rc::gen::weightedElement<bool>({{2, false}, {1, true}});
        action.unplugged = *rc::gen::weightedElement<bool>({{9, false}, {1, true}});
        if (!action.holding && *rc::gen::weightedElement<bool>({{2, false}, {1, true}})) {
          action.during.push_back(*AnAction(true));
        }
        break;
      case ActionKind::OPEN:
        action.file = *rc::gen::weightedElement<FileChoice>(
            {{1, FileChoice::CANCEL}, {3, FileChoice::IMAGE}, {1, FileChoice::WRONG_SIZE}});
        break;
      case ActionKind::SAVE:
        action.file = *rc::gen::element(FileChoice::CANCEL, FileChoice::IMAGE);
        break;
      case ActionKind::DOUBLE_CLICK:
        break;
    }
    return action;
  });
}

// How much was played, for the figures in the README.
struct Played {
  std::size_t sequences = 0;
  std::size_t actions = 0;
  ~Played() {
    if (sequences > 0) {
      std::printf("played %zu sequences, %zu actions\n", sequences, actions);
    }
  }
} played;

WindowDriver &Driver() {
  TestApplication();
  static WindowDriver *driver = new WindowDriver();  // lives as long as the application
  return *driver;
}

}  // namespace

void showValue(const Action &action, std::ostream &os) {
  os << "{kind " << static_cast<int>(action.kind) << ", list " << static_cast<int>(action.list) << ", position "
     << action.position << ", text '" << action.text << "'}";
}

RC_GTEST_PROP(EditorProperty, EverySequenceOfUserActionsLeavesTheWindowAsTheModel, ()) {
  const std::vector<Action> actions =
      *rc::gen::resize(40, rc::gen::nonEmpty(rc::gen::container<std::vector<Action>>(AnAction())));
  ++played.sequences;
  played.actions += actions.size();
  const std::string failure = PlayAndCompare(Driver(), actions);
  if (!failure.empty()) {
    RC_FAIL(failure);
  }
}

// The sequence that once sent an empty channel: Read, 0 typed into the receive frequency,
// -0.0125 pasted into the transmit frequency, Write. The frame must not leave with the channel
// "not set"; the model and the typed values both say so.
TEST(EditorProperty, NegativeTransmitBesideAnEmptyReceiveFrequencyNeverLeaves) {
  Action read;
  read.kind = ActionKind::READ;
  Action typeZero;
  typeZero.kind = ActionKind::TYPE;
  typeZero.edit = Edit::RX_FREQUENCY;
  typeZero.text = "0";
  Action pasteNegative;
  pasteNegative.kind = ActionKind::PASTE;
  pasteNegative.edit = Edit::TX_FREQUENCY;
  pasteNegative.text = "-0.0125";
  Action write;
  write.kind = ActionKind::WRITE;
  EXPECT_EQ(PlayAndCompare(Driver(), {read, typeZero, pasteNegative, write}), "");
}
