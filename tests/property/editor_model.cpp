// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_model.h"

#include <clocale>
#include <cstdlib>
#include <iomanip>
#include <locale.h>
#include <locale>
#include <sstream>

#include "channel_rules.h"
#include "code_byte.h"
#include "code_tables.h"
#include "scaled_value.h"

namespace {

constexpr const char *NOT_A_NUMBER = "请键入一个数。";
constexpr const char *RANGE_TEXT_BEFORE = "“请填入一个在";
constexpr const char *RANGE_TEXT_BETWEEN = "和";
constexpr const char *RANGE_TEXT_AFTER = "之间的数字。”";
constexpr const char *READ_DONE = "数据已从对讲机中读出";
constexpr const char *READ_FAILED = "读数据出错";
constexpr const char *WRITE_DONE = "数据已写入对讲机";
constexpr const char *READ_OPEN_FAILED = "创建通信失败";
constexpr const char *WRITE_OPEN_FAILED = "建立通信文件失败";
constexpr const char *OPEN_WRONG_SIZE = "不是写频文件：文件应为187字节";
constexpr const char *NONE_TEXT = "无";
constexpr const char *NARROW_TEXT = "12.5Khz";
constexpr const char *WIDE_TEXT = "25Khz";
constexpr std::size_t NUMBER_READ_LIMIT = 31;

// Entries each list shows at once: its height in the template, an eighth of a text line per
// dialog unit, less its border. PgUp and PgDn move one entry less than this.
constexpr std::array<int, LIST_COUNT> VISIBLE_ENTRIES = {2, 6, 3, 11, 4, 3, 11, 2};

std::size_t Index(List list) { return static_cast<std::size_t>(list); }
std::size_t Index(Edit edit) { return static_cast<std::size_t>(edit); }

// The data exchange shows a number with 15 significant digits in the shortest form ("%.*g").
std::string FormatNumber(double value) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << std::setprecision(15) << value;
  return text.str();
}

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The data exchange reads a number: the first 31 characters; blanks and tabs skipped; a decimal
// number (sign, digits, point and fraction, exponent) as the C library converts it; zero only
// when written with a leading '0'; nothing but blanks and tabs after it.
bool ParseNumber(const std::string &text, double &value) {
  std::string head;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size() && characters < NUMBER_READ_LIMIT; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
      return false;  // no character outside ASCII belongs to a number
    }
    head += text[i];
    ++characters;
  }
  std::size_t at = 0;
  while (at < head.size() && IsBlankOrTab(head[at])) {
    ++at;
  }
  const char first = at < head.size() ? head[at] : '\0';
  // The C library's conversion skips any white space of its own.
  while (at < head.size() && std::isspace(static_cast<unsigned char>(head[at])) != 0) {
    ++at;
  }
  const std::size_t start = at;
  if (at < head.size() && (head[at] == '+' || head[at] == '-')) {
    ++at;
  }
  std::size_t digits = 0;
  while (at < head.size() && IsDigit(head[at])) {
    ++at;
    ++digits;
  }
  if (at < head.size() && head[at] == '.') {
    ++at;
    while (at < head.size() && IsDigit(head[at])) {
      ++at;
      ++digits;
    }
  }
  if (digits == 0) {
    return false;
  }
  if (at < head.size() && (head[at] == 'e' || head[at] == 'E')) {
    std::size_t exponent = at + 1;
    if (exponent < head.size() && (head[exponent] == '+' || head[exponent] == '-')) {
      ++exponent;
    }
    if (exponent < head.size() && IsDigit(head[exponent])) {
      while (exponent < head.size() && IsDigit(head[exponent])) {
        ++exponent;
      }
      at = exponent;
    }
  }
  const std::string number = head.substr(start, at - start);
  for (std::size_t rest = at; rest < head.size(); ++rest) {
    if (!IsBlankOrTab(head[rest])) {
      return false;
    }
  }
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  const double converted = strtod_l(number.c_str(), nullptr, cLocale);
  if (converted == 0.0 && first != '0') {
    return false;
  }
  value = converted;
  return true;
}

// Bytes of a text in the GBK encoding: a character outside ASCII takes two.
std::size_t GbkBytes(const std::string &text) {
  std::size_t bytes = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      bytes += 1;
    } else if ((byte & 0xC0) != 0x80) {
      bytes += 2;  // the lead byte of a UTF-8 character
    }
  }
  return bytes;
}

std::vector<std::string> Texts(const char *const *texts, std::size_t count) {
  return std::vector<std::string>(texts, texts + count);
}

std::vector<std::string> CodeEntries(CodeType type) {
  switch (type) {
    case CodeType::CTCSS:
      return Texts(CTCSS_TONES.data(), CTCSS_TONES.size());
    case CodeType::DCS:
      return Texts(DCS_CODE_LIST.data(), DCS_CODE_LIST.size());
    case CodeType::NONE:
      break;
  }
  return {};
}

int CodeTypePosition(CodeType type) {
  return type == CodeType::CTCSS ? 0 : type == CodeType::DCS ? 1 : 2;
}

struct Direction {
  std::uint8_t codedBit;
  std::uint8_t ctcssBit;
  List typeList;
  List tableList;
  Edit codeEdit;
};

Direction DirectionOf(bool transmit) {
  return transmit ? Direction{FLAG_TX_CODED, FLAG_TX_CTCSS, List::TX_CODE_TYPE, List::TX_CODE_TABLE, Edit::TX_CODE}
                  : Direction{FLAG_RX_CODED, FLAG_RX_CTCSS, List::RX_CODE_TYPE, List::RX_CODE_TABLE, Edit::RX_CODE};
}

CodeDirection Bits(const Direction &direction) { return CodeDirection{direction.codedBit, direction.ctcssBit}; }

bool StartsWithIgnoringCase(const std::string &text, char character) {
  if (text.empty()) {
    return false;
  }
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return lower(text[0]) == lower(character);
}

// Removes the last or the first character of a UTF-8 text.
std::string WithoutLastCharacter(const std::string &text) {
  std::size_t end = text.size();
  while (end > 0) {
    --end;
    if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80) {
      break;
    }
  }
  return text.substr(0, end);
}

std::string WithoutFirstCharacter(const std::string &text) {
  std::size_t next = text.empty() ? 0 : 1;
  while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) {
    ++next;
  }
  return text.substr(next);
}

}  // namespace

EditorModel::EditorModel() {
  At(List::SPACING).entries = {NARROW_TEXT, WIDE_TEXT};
  for (int channel = 1; channel <= static_cast<int>(CHANNEL_COUNT); ++channel) {
    At(List::CHANNEL).entries.push_back(std::string(channel < 10 ? "0" : "") + std::to_string(channel) + "频道");
  }
  for (List type : {List::TX_CODE_TYPE, List::RX_CODE_TYPE}) {
    At(type).entries = {"CTCSS", "DCS", NONE_TEXT};
  }
  for (int level = 0; level < SQUELCH_LEVEL_COUNT; ++level) {
    At(List::SQUELCH).entries.push_back(std::to_string(level) + "级");
  }
  At(List::PORT).entries = {"COM1", "COM2"};
  // The start-up selections; the image as ResetImage builds it.
  SetCurSel(List::CHANNEL, 0);
  SetCurSel(List::PORT, 0);
  SetCurSel(List::TX_CODE_TYPE, 2);
  SetCurSel(List::RX_CODE_TYPE, 2);
  SetCurSel(List::SQUELCH, DEFAULT_SQUELCH_LEVEL);
  SetCurSel(List::SPACING, 1);
  textMembers_[Index(Edit::SQUELCH)] = "3级";
  textMembers_[Index(Edit::SPACING)] = WIDE_TEXT;
  ResetImage(state_.image);
  Refresh();
  // The focus starts in the band edit with its text selected.
  typingFocus_ = Edit::BAND;
  wholeTextSelected_[Index(Edit::BAND)] = true;
}

Action EditorModel::Resolve(const Action &generated) const {
  Action action = generated;
  const auto resolve = [this](List list, int position) {
    const int count = static_cast<int>(ListOf(list).entries.size());
    return position == BLANK || position < 0 || count == 0 ? BLANK : position % count;
  };
  action.position = resolve(action.list, action.position);
  action.target = resolve(action.list, action.target);
  if ((action.kind == ActionKind::READ || action.kind == ActionKind::WRITE) &&
      (action.list == List::TX_CODE_TABLE || action.list == List::RX_CODE_TABLE)) {
    // A write that fails shows another channel before the press, which may refill a code table:
    // the press goes to a list whose entries stay.
    action.list = action.list == List::TX_CODE_TABLE ? List::TX_CODE_TYPE : List::RX_CODE_TYPE;
    action.position = resolve(action.list, generated.position);
  }
  if (action.kind == ActionKind::DRAG && action.target == BLANK) {
    action.position = BLANK;  // an empty list: the drag is all blank area
  }
  if (action.kind == ActionKind::DOUBLE_CLICK && action.position == BLANK) {
    action.kind = ActionKind::CLICK;  // no entry to double-click: a plain click on the blank area
  }
  if (action.holding) {
    action.during.clear();  // the held button allows nothing else with the mouse
  }
  for (Action &meanwhile : action.during) {
    if (meanwhile.list == List::TX_CODE_TABLE || meanwhile.list == List::RX_CODE_TABLE) {
      meanwhile.list = meanwhile.list == List::TX_CODE_TABLE ? List::TX_CODE_TYPE : List::RX_CODE_TYPE;
    }
    meanwhile.during.clear();
    meanwhile.unplugged = action.unplugged;
    meanwhile = Resolve(meanwhile);
  }
  return action;
}

void EditorModel::Apply(const Action &action) {
  outcome_ = Outcome{};
  Dispatch(action);
}

void EditorModel::Dispatch(const Action &action) {
  switch (action.kind) {
    case ActionKind::CLICK: Click(action); break;
    case ActionKind::DRAG: Drag(action); break;
    case ActionKind::DOUBLE_CLICK: DoubleClick(action); break;
    case ActionKind::HOLD: Hold(action); break;
    case ActionKind::LIST_KEY: PressListKey(action); break;
    case ActionKind::TYPE: Type(action); break;
    case ActionKind::PASTE: Paste(action); break;
    case ActionKind::ERASE: Erase(action); break;
    case ActionKind::TAB: Tab(action); break;
    case ActionKind::BUTTON: PushButton(action); break;
    case ActionKind::READ: Read(action); break;
    case ActionKind::WRITE: Write(action); break;
    case ActionKind::OPEN: Open(action); break;
    case ActionKind::SAVE: Save(action); break;
  }
}

// ---- The user's actions ----

void EditorModel::Click(const Action &action) {
  // Only the left button selects; the others select nothing (a mend: the Windows list box).
  if (action.button != MouseButton::LEFT) {
    ScrollTo(action.list, action.position);
    return;
  }
  BeginHold(action.list, action.position);
  EndHold();
}

void EditorModel::Drag(const Action &action) {
  // The selection follows the mouse silently while the button is held; a press on the blank
  // area starts nothing, so dragging from there onto an entry selects nothing.
  BeginHold(action.list, action.position);
  ScrollTo(action.list, action.target);
  if (holdOnEntry_) {
    At(action.list).selection = action.target;
    At(action.list).caret = action.target;
  }
  EndHold();
}

void EditorModel::DoubleClick(const Action &action) {
  // One selection notification and one double-click notification (a mend: one each, as in
  // Windows, where Qt gave two selections).
  BeginHold(action.list, action.position);
  EndHold();
  ++outcome_.doubleClickNotifications[Index(action.list)];
}

void EditorModel::Hold(const Action &action) {
  BeginHold(action.list, action.position);
  switch (action.interruption) {
    case Interruption::NONE:
      break;
    case Interruption::TAB:
    case Interruption::SHIFT_TAB: {
      // A list that loses the focus while its button is held notifies as a release would.
      EndHold();
      const Focus next = NextTabStop(action.list, action.interruption == Interruption::SHIFT_TAB);
      if (action.text.empty()) {
        break;
      }
      // Ctrl+A and the text go wherever the focus went.
      if (next.kind == Control::EDIT) {
        TypeCharacters(next.edit, action.text);
      } else if (next.kind == Control::LIST) {
        for (const char c : action.text) {
          TypeAhead(next.list, c);
        }
      }
      break;
    }
    case Interruption::SAVE_CANCELLED:
    case Interruption::OPEN_CANCELLED:
      ModalWindow();  // the file chooser, answered with cancel
      break;
  }
  EndHold();  // the release; nothing more when the hold has ended already
}

void EditorModel::PressListKey(const Action &action) {
  if (action.key == ListKey::CHARACTER) {
    TypeAhead(action.list, action.character);
  } else {
    NavigationKey(action.list, action.key);
  }
}

void EditorModel::Type(const Action &action) {
  if (action.text.empty()) {
    // Ctrl+A and Backspace: the edit is emptied.
    const std::string before = editTexts_[Index(action.edit)];
    editTexts_[Index(action.edit)].clear();
    typingFocus_ = action.edit;
    if (!before.empty()) {
      EditChanged(action.edit);
    }
    return;
  }
  TypeCharacters(action.edit, action.text);
}

void EditorModel::Paste(const Action &action) {
  // Ctrl+A, Ctrl+V: the text replaces the whole content, with one change.
  typingFocus_ = action.edit;
  std::string &text = editTexts_[Index(action.edit)];
  if (text.empty() && action.text.empty()) {
    return;
  }
  text = action.text;
  EditChanged(action.edit);
}

void EditorModel::Erase(const Action &action) {
  typingFocus_ = action.edit;
  std::string &text = editTexts_[Index(action.edit)];
  if (text.empty()) {
    return;  // nothing to erase: no change
  }
  text = action.backwards ? WithoutFirstCharacter(text) : WithoutLastCharacter(text);
  EditChanged(action.edit);
}

void EditorModel::Tab(const Action &) {
  // The focus moves; no list holds a press and leaving an edit does nothing.
}

void EditorModel::PushButton(const Action &action) {
  switch (action.pushButton) {
    case Button::COPY_TO_RX:
      CopyTxToRx(state_.working);
      ShowWorkingChannel();
      break;
    case Button::COPY_TO_TX:
      CopyRxToTx(state_.working);
      ShowWorkingChannel();
      break;
    case Button::CLEAR:
      OnClear();
      break;
  }
}

void EditorModel::Read(const Action &action) {
  if (transfer_ != Transfer::NONE) {
    return;  // a click while a transfer runs is ignored
  }
  if (action.unplugged) {
    ShowMessage(READ_OPEN_FAILED);
    Meanwhile(action);
    return;
  }
  transfer_ = Transfer::READING;
  outcome_.requestPort = state_.portName;
  Meanwhile(action);
  // The read counts only when all 187 bytes arrived and the marker is nonzero (a mend: a reply
  // cut short is not the radio's memory, whatever its byte 179).
  const std::vector<std::uint8_t> reply = ReplyBytes(action);
  const bool received = reply.size() == IMAGE_SIZE && reply[REPLY_MARKER_OFFSET] != 0;
  if (received) {
    ReplaceImage(state_.image, reply.data());
  }
  ShowMessage(received ? READ_DONE : READ_FAILED);
  transfer_ = Transfer::NONE;
  ShowChannelOne();
  EndHold();
}

void EditorModel::Write(const Action &action) {
  if (transfer_ != Transfer::NONE) {
    return;
  }
  transfer_ = Transfer::WRITING;
  if (!ValidateAll()) {
    transfer_ = Transfer::NONE;
    Meanwhile(action);
    return;
  }
  if (action.unplugged) {
    ShowMessage(WRITE_OPEN_FAILED);
    transfer_ = Transfer::NONE;
    Meanwhile(action);
    return;
  }
  // The frame is the image as the click left it; what happens meanwhile does not reach it.
  outcome_.framePort = state_.portName;
  outcome_.frame.assign(state_.image.bytes.begin(), state_.image.bytes.end());
  outcome_.frame.push_back(0x00);
  Meanwhile(action);
  ShowMessage(WRITE_DONE);
  transfer_ = Transfer::NONE;
  ShowChannelOne();
  EndHold();
}

void EditorModel::Meanwhile(const Action &action) {
  if (action.holding) {
    BeginHold(action.list, action.position);
  }
  for (const Action &meanwhile : action.during) {
    Dispatch(meanwhile);
  }
  if (transfer_ == Transfer::NONE) {
    EndHold();  // no transfer to end: the release comes next
  }
}

void EditorModel::Open(const Action &action) {
  if (transfer_ != Transfer::NONE) {
    return;  // no file is asked for while a transfer runs
  }
  ModalWindow();
  if (action.file == FileChoice::CANCEL) {
    return;
  }
  const std::vector<std::uint8_t> bytes = FileBytes(action);
  if (bytes.size() != IMAGE_SIZE) {
    ShowMessage(OPEN_WRONG_SIZE);
    return;
  }
  // The file's image takes the editor's place as a read's does: channel 1, no store first.
  ReplaceImage(state_.image, bytes.data());
  ShowChannelOne();
}

void EditorModel::Save(const Action &action) {
  ModalWindow();
  if (action.file == FileChoice::CANCEL) {
    return;
  }
  // The channel on screen goes into the image first, as a change of channel stores it.
  Store();
  outcome_.saved = true;
  outcome_.savedImage = state_.image;
}

// ---- The list box ----

void EditorModel::BeginHold(List list, int entry) {
  ScrollTo(list, entry);
  holding_ = true;
  heldList_ = list;
  holdOnEntry_ = entry != BLANK;
  if (holdOnEntry_) {
    At(list).selection = entry;
    At(list).caret = entry;
  }
}

void EditorModel::EndHold() {
  if (!holding_) {
    return;
  }
  holding_ = false;
  // A user's click notifies also on the entry already selected.
  if (holdOnEntry_) {
    Notify(heldList_);
  }
}

void EditorModel::NavigationKey(List list, ListKey key) {
  ListState &state = At(list);
  const int count = static_cast<int>(state.entries.size());
  if (count == 0) {
    return;
  }
  const int page = VISIBLE_ENTRIES[Index(list)];
  int entry = state.caret;
  // With nothing selected a key selects the caret's entry, the first after a refill.
  if (state.selection != -1) {
    switch (key) {
      case ListKey::UP: entry = state.caret - 1; break;
      case ListKey::DOWN: entry = state.caret + 1; break;
      case ListKey::HOME: entry = 0; break;
      case ListKey::END: entry = count - 1; break;
      case ListKey::PAGE_UP: entry = state.caret - page + 1; break;
      case ListKey::PAGE_DOWN: entry = state.caret + page - 1; break;
      case ListKey::CHARACTER: break;
    }
  }
  entry = entry < 0 ? 0 : entry >= count ? count - 1 : entry;
  state.selection = entry;
  state.caret = entry;
  ScrollTo(list, entry);
  // Every navigation key notifies, also at either end of the list.
  Notify(list);
}

void EditorModel::TypeAhead(List list, char character) {
  // One character per key: the next entry after the selected one that starts with it, round the
  // end; from the first entry when none is selected.
  ListState &state = At(list);
  const int count = static_cast<int>(state.entries.size());
  for (int step = 0; step < count; ++step) {
    const int entry = (state.selection + 1 + step) % count;
    if (StartsWithIgnoringCase(state.entries[static_cast<std::size_t>(entry)], character)) {
      state.selection = entry;
      state.caret = entry;
      ScrollTo(list, entry);
      Notify(list);
      return;
    }
  }
}

void EditorModel::Notify(List list) {
  ++outcome_.selectionNotifications[Index(list)];
  switch (list) {
    case List::CHANNEL: OnChannelSelected(); break;
    case List::SQUELCH: OnSquelchSelected(); break;
    case List::SPACING: OnSpacingSelected(); break;
    case List::PORT: OnPortSelected(); break;
    case List::TX_CODE_TYPE: OnCodeTypeChosen(true); break;
    case List::RX_CODE_TYPE: OnCodeTypeChosen(false); break;
    case List::TX_CODE_TABLE: OnCodePicked(true); break;
    case List::RX_CODE_TABLE: OnCodePicked(false); break;
  }
}

void EditorModel::SetCurSel(List list, int entry) {
  ListState &state = At(list);
  state.selection = entry >= 0 && entry < static_cast<int>(state.entries.size()) ? entry : -1;
  if (state.selection != -1) {
    state.caret = entry;
    ScrollTo(list, entry);
  }
}

void EditorModel::ScrollTo(List list, int position) {
  ListState &state = At(list);
  const int visible = VISIBLE_ENTRIES[Index(list)];
  const int count = static_cast<int>(state.entries.size());
  if (position == BLANK) {
    state.top = count > visible ? count - visible : 0;
  } else if (position < state.top) {
    state.top = position;
  } else if (position >= state.top + visible) {
    state.top = position - visible + 1;
  }
}

void EditorModel::Refill(List list, const std::vector<std::string> &entries) {
  // A refilled list starts at its first entry, as the Windows list box does.
  At(list) = ListState{entries, -1, 0, 0};
}

// ---- The edits and the data exchange ----

void EditorModel::TypeCharacters(Edit edit, const std::string &text) {
  typingFocus_ = edit;
  wholeTextSelected_[Index(edit)] = true;  // Ctrl+A
  for (const char c : text) {
    // A failed exchange puts the focus on the failing edit with its text selected, so the next
    // key goes there and replaces that text.
    const Edit focus = typingFocus_;
    std::string &shown = editTexts_[Index(focus)];
    if (wholeTextSelected_[Index(focus)]) {
      shown.clear();
      wholeTextSelected_[Index(focus)] = false;
    }
    shown += c;
    EditChanged(focus);
  }
}

void EditorModel::EditChanged(Edit edit) {
  // Every change collects all edits; the field takes its member whether or not that worked,
  // having read its own edit as well (a mend: a collect stopped by an earlier edit left the
  // member as it was, and Write sent a value the edit no longer showed).
  Collect();
  double own = 0.0;
  if (ParseNumber(editTexts_[Index(edit)], own)) {
    switch (edit) {
      case Edit::TX_FREQUENCY: txFrequencyMhz_ = own; break;
      case Edit::RX_FREQUENCY: rxFrequencyMhz_ = own; break;
      case Edit::TOT: totMinutes_ = own; break;
      case Edit::BAND: bandMhz_ = own; break;
      default: break;
    }
  }
  WorkingChannel &channel = state_.working;
  switch (edit) {
    case Edit::TX_FREQUENCY:
      channel.txFrequency = ScaledToInt(txFrequencyMhz_, FREQUENCY_FACTOR);
      break;
    case Edit::RX_FREQUENCY:
      channel.rxFrequency = ScaledToInt(rxFrequencyMhz_, FREQUENCY_FACTOR);
      break;
    case Edit::TOT:
      channel.tot = ScaledToInt(totMinutes_, TOT_FACTOR);
      break;
    case Edit::BAND:
      channel.band = ScaledToInt(bandMhz_, FREQUENCY_FACTOR);
      WriteField24(state_.image.Settings() + SettingsOffset::BAND_BASE, SaturatedToField(channel.band, FIELD24_MAX));
      break;
    default:
      break;  // the read-only edits take no typing
  }
}

bool EditorModel::Collect() {
  struct NumberStep {
    Edit edit;
    double *member;
    bool ranged;
    double minimum;
    double maximum;
  };
  const auto fail = [this](Edit edit, const std::string &message) {
    ShowMessage(message);
    if (typingFocus_ != edit) {
      wholeTextSelected_[Index(typingFocus_)] = false;  // the edit left deselects its text
    }
    typingFocus_ = edit;
    wholeTextSelected_[Index(edit)] = true;
    return false;
  };
  const auto number = [&](const NumberStep &step) {
    double value = 0.0;
    if (!ParseNumber(editTexts_[Index(step.edit)], value)) {
      return fail(step.edit, NOT_A_NUMBER);
    }
    *step.member = value;
    if (step.ranged && (value < step.minimum || value > step.maximum)) {
      return fail(step.edit, std::string(RANGE_TEXT_BEFORE) + FormatNumber(step.minimum) + RANGE_TEXT_BETWEEN +
                                 FormatNumber(step.maximum) + RANGE_TEXT_AFTER);
    }
    return true;
  };
  const auto text = [&](Edit edit, std::size_t maxBytes) {
    textMembers_[Index(edit)] = editTexts_[Index(edit)];
    if (GbkBytes(textMembers_[Index(edit)]) > maxBytes) {
      return fail(edit, "“请填入不多于" + std::to_string(maxBytes) + "个的字符。”");
    }
    return true;
  };
  return number({Edit::TX_FREQUENCY, &txFrequencyMhz_, false, 0.0, 0.0}) &&
         number({Edit::RX_FREQUENCY, &rxFrequencyMhz_, true, 0.0, 10000000.0}) && text(Edit::RX_CODE, 6) &&
         number({Edit::TOT, &totMinutes_, true, 0.0, 100.0}) && text(Edit::TX_CODE, 8) &&
         text(Edit::SPACING, 8) && number({Edit::BAND, &bandMhz_, true, 0.0, 1000.0}) &&
         text(Edit::SQUELCH, 8);
}

void EditorModel::Refresh() {
  // Every edit is rewritten from its member; an edit already showing that text keeps its caret.
  const auto show = [this](Edit edit, const std::string &text) {
    if (editTexts_[Index(edit)] != text) {
      editTexts_[Index(edit)] = text;
      wholeTextSelected_[Index(edit)] = false;
    }
  };
  show(Edit::TX_FREQUENCY, FormatNumber(txFrequencyMhz_));
  show(Edit::RX_FREQUENCY, FormatNumber(rxFrequencyMhz_));
  show(Edit::TOT, FormatNumber(totMinutes_));
  show(Edit::BAND, FormatNumber(bandMhz_));
  for (Edit edit : {Edit::RX_CODE, Edit::TX_CODE, Edit::SPACING, Edit::SQUELCH}) {
    show(edit, textMembers_[Index(edit)]);
  }
}

void EditorModel::ShowMessage(const std::string &text) {
  outcome_.messages.push_back(text);
  ModalWindow();
}

void EditorModel::ModalWindow() {
  // The list whose button is held loses the focus to the modal window and notifies as a
  // release there would, while the modal window is up.
  if (holding_) {
    EndHold();
  }
}

// ---- The handlers and the editor's operations ----

void EditorModel::OnChannelSelected() {
  Store();
  const int selected = ListOf(List::CHANNEL).selection;
  if (selected != -1) {
    state_.currentChannel = selected;
  }
  Load();
  ShowWorkingChannel();
}

void EditorModel::OnSquelchSelected() {
  const int level = ListOf(List::SQUELCH).selection;
  if (level == -1) {
    return;
  }
  textMembers_[Index(Edit::SQUELCH)] = ListOf(List::SQUELCH).entries[static_cast<std::size_t>(level)];
  Refresh();
  state_.working.squelch = SQUELCH_LEVEL_BYTES[static_cast<std::size_t>(level)];
}

void EditorModel::OnSpacingSelected() {
  const int selected = ListOf(List::SPACING).selection;
  if (selected == -1) {
    return;
  }
  state_.spacingText = ListOf(List::SPACING).entries[static_cast<std::size_t>(selected)];
  textMembers_[Index(Edit::SPACING)] = state_.spacingText;
  Refresh();
  if (state_.spacingText == NARROW_TEXT) {
    state_.working.flags = static_cast<std::uint8_t>(state_.working.flags | FLAG_NARROW);
  } else if (state_.spacingText == WIDE_TEXT) {
    state_.working.flags = static_cast<std::uint8_t>(state_.working.flags & ~FLAG_NARROW);
  }
}

void EditorModel::OnPortSelected() {
  const int selected = ListOf(List::PORT).selection;
  if (selected != -1) {
    state_.portName = ListOf(List::PORT).entries[static_cast<std::size_t>(selected)];
  }
}

void EditorModel::OnCodeTypeChosen(bool transmit) {
  const Direction direction = DirectionOf(transmit);
  const ListState &typeList = ListOf(direction.typeList);
  if (typeList.selection == -1) {
    return;
  }
  const std::string &text = typeList.entries[static_cast<std::size_t>(typeList.selection)];
  std::uint8_t &flags = state_.working.flags;
  textMembers_[Index(direction.codeEdit)].clear();
  Refresh();
  if (text == "DCS") {
    Refill(direction.tableList, CodeEntries(CodeType::DCS));
    flags = static_cast<std::uint8_t>((flags & ~direction.ctcssBit) | direction.codedBit);
  } else if (text == "CTCSS") {
    Refill(direction.tableList, CodeEntries(CodeType::CTCSS));
    flags = static_cast<std::uint8_t>(flags | direction.ctcssBit | direction.codedBit);
  } else {
    Refill(direction.tableList, {});
    flags = static_cast<std::uint8_t>(flags & ~direction.codedBit);
  }
}

void EditorModel::OnCodePicked(bool transmit) {
  const Direction direction = DirectionOf(transmit);
  const ListState &table = ListOf(direction.tableList);
  const int position = table.selection;
  if (position == -1) {
    return;
  }
  textMembers_[Index(direction.codeEdit)] = table.entries[static_cast<std::size_t>(position)];
  Refresh();
  // The code byte follows the flags, not what the list holds.
  const std::uint8_t flags = state_.working.flags;
  int code = 0;
  if ((flags & direction.codedBit) != 0) {
    code = EncodeCodeByte((flags & direction.ctcssBit) != 0 ? CodeType::CTCSS : CodeType::DCS, position);
  }
  (transmit ? state_.working.txCode : state_.working.rxCode) = code;
}

void EditorModel::OnClear() {
  ResetWorkingChannel(state_);
  bandMhz_ = 0.0;
  txFrequencyMhz_ = 0.0;
  rxFrequencyMhz_ = 0.0;
  totMinutes_ = state_.working.tot * 0.1;
  SetCurSel(List::CHANNEL, state_.currentChannel);
  SetCurSel(List::PORT, 0);
  SetCurSel(List::TX_CODE_TYPE, 2);
  SetCurSel(List::RX_CODE_TYPE, 2);
  SetCurSel(List::SQUELCH, DEFAULT_SQUELCH_LEVEL);
  textMembers_[Index(Edit::SQUELCH)] = "3级";
  SetCurSel(List::SPACING, 1);
  textMembers_[Index(Edit::SPACING)] = state_.spacingText;
  Refill(List::TX_CODE_TABLE, {});
  textMembers_[Index(Edit::TX_CODE)].clear();
  Refill(List::RX_CODE_TABLE, {});
  textMembers_[Index(Edit::RX_CODE)].clear();
  Refresh();
  ResetImage(state_.image);
}

void EditorModel::ShowWorkingChannel() {
  WorkingChannel &channel = state_.working;
  bandMhz_ = channel.band * 0.0001;
  txFrequencyMhz_ = channel.txFrequency * 0.0001;
  rxFrequencyMhz_ = channel.rxFrequency * 0.0001;
  totMinutes_ = channel.tot * 0.1;
  int level = SquelchLevelOfByte(channel.squelch);
  if (level == -1) {
    // A squelch byte that is no level is repaired to level 3, in the record too.
    level = DEFAULT_SQUELCH_LEVEL;
    channel.squelch = DEFAULT_SQUELCH;
    state_.image.Record(static_cast<std::size_t>(state_.currentChannel))[RecordOffset::SQUELCH] = DEFAULT_SQUELCH;
  }
  SetCurSel(List::SQUELCH, level);
  textMembers_[Index(Edit::SQUELCH)] = ListOf(List::SQUELCH).entries[static_cast<std::size_t>(level)];
  const bool narrow = (channel.flags & FLAG_NARROW) != 0;
  SetCurSel(List::SPACING, narrow ? 0 : 1);
  state_.spacingText = narrow ? NARROW_TEXT : WIDE_TEXT;
  textMembers_[Index(Edit::SPACING)] = state_.spacingText;
  Refresh();
  ShowCode(true);
  ShowCode(false);
}

void EditorModel::ShowCode(bool transmit) {
  const Direction direction = DirectionOf(transmit);
  const CodeType type = CodeTypeOf(state_.working.flags, Bits(direction));
  SetCurSel(direction.typeList, CodeTypePosition(type));
  Refill(direction.tableList, CodeEntries(type));
  // A code byte without an entry under its type shows the filled table with nothing selected
  // and an empty code edit (a mend: the byte is kept, nothing is read outside the table).
  const int entry = type == CodeType::NONE
                        ? NO_CODE_ENTRY
                        : DecodeCodeByte(type, transmit ? state_.working.txCode : state_.working.rxCode);
  textMembers_[Index(direction.codeEdit)] =
      entry == NO_CODE_ENTRY ? std::string() : ListOf(direction.tableList).entries[static_cast<std::size_t>(entry)];
  Refresh();
  if (type != CodeType::NONE) {
    SetCurSel(direction.tableList, entry);
  }
}

void EditorModel::ShowChannelOne() {
  // The end of a transfer, or a file's image: channel 1 without a store, edits dropped.
  state_.currentChannel = 0;
  SetCurSel(List::CHANNEL, 0);
  Load();
  ShowWorkingChannel();
}

// The record conversions are the image library's, which has tests of its own; the model checks
// what the window does with them.
void EditorModel::Load() { LoadWorkingChannel(state_); }

void EditorModel::Store() { StoreWorkingChannel(state_); }

bool EditorModel::ValidateAll() {
  Store();
  const std::int32_t onScreen = state_.currentChannel;
  for (std::int32_t channel = 0; channel < static_cast<std::int32_t>(CHANNEL_COUNT); ++channel) {
    state_.currentChannel = channel;
    Load();
    if (const char *message = FirstBrokenRule(state_.working, channel)) {
      ShowMessage(message);
      SetCurSel(List::CHANNEL, channel);
      Load();
      ShowWorkingChannel();
      return false;
    }
  }
  state_.currentChannel = onScreen;
  Load();
  return true;
}

EditorModel::Focus EditorModel::NextTabStop(List from, bool backwards) const {
  // The tab stops in template order.
  static const std::array<Focus, 18> ORDER = {{
      {Control::EDIT, Edit::BAND, List::CHANNEL},
      {Control::LIST, Edit::BAND, List::SPACING},
      {Control::LIST, Edit::BAND, List::CHANNEL},
      {Control::EDIT, Edit::TX_FREQUENCY, List::CHANNEL},
      {Control::EDIT, Edit::TOT, List::CHANNEL},
      {Control::LIST, Edit::BAND, List::TX_CODE_TYPE},
      {Control::LIST, Edit::BAND, List::TX_CODE_TABLE},
      {Control::EDIT, Edit::RX_FREQUENCY, List::CHANNEL},
      {Control::LIST, Edit::BAND, List::SQUELCH},
      {Control::LIST, Edit::BAND, List::RX_CODE_TYPE},
      {Control::LIST, Edit::BAND, List::RX_CODE_TABLE},
      {Control::BUTTON, Edit::BAND, List::CHANNEL},  // 复制到<==
      {Control::BUTTON, Edit::BAND, List::CHANNEL},  // 复制到==>
      {Control::BUTTON, Edit::BAND, List::CHANNEL},  // 读出
      {Control::BUTTON, Edit::BAND, List::CHANNEL},  // 写入
      {Control::BUTTON, Edit::BAND, List::CHANNEL},  // 清除
      {Control::BUTTON, Edit::BAND, List::CHANNEL},  // 退出
      {Control::LIST, Edit::BAND, List::PORT},
  }};
  std::size_t at = 0;
  while (!(ORDER[at].kind == Control::LIST && ORDER[at].list == from)) {
    ++at;
  }
  return ORDER[(at + (backwards ? ORDER.size() - 1 : 1)) % ORDER.size()];
}

std::string EditorModel::Circumstances(const Action &action) const {
  std::string words = action.unplugged ? " with no radio" : "";
  if (action.holding) {
    words += " while holding " + (action.position == BLANK ? std::string("the blank of ") + ListName(action.list)
                                                           : ListOf(action.list).entries[static_cast<std::size_t>(action.position)]);
  }
  for (const Action &meanwhile : action.during) {
    words += " (meanwhile: " + Describe(meanwhile) + ")";
  }
  return words;
}

std::string EditorModel::Describe(const Action &action) const {
  const auto entry = [this, &action](int position) {
    return position == BLANK ? std::string("the blank of ") + ListName(action.list)
                             : ListOf(action.list).entries[static_cast<std::size_t>(position)];
  };
  const auto quoted = [](const std::string &text) { return "'" + text + "'"; };
  const auto image = [&action] {
    const char *style = action.style == ImageStyle::VALID ? "valid" : action.style == ImageStyle::RANDOM ? "random" : "mixed";
    return std::string(style) + " image #" + std::to_string(action.seed);
  };
  switch (action.kind) {
    case ActionKind::CLICK: {
      const char *button = action.button == MouseButton::LEFT ? "click " : action.button == MouseButton::RIGHT ? "right click " : "middle click ";
      return button + entry(action.position);
    }
    case ActionKind::DRAG:
      return "drag " + entry(action.position) + " to " + entry(action.target);
    case ActionKind::DOUBLE_CLICK:
      return "double click " + entry(action.position);
    case ActionKind::HOLD: {
      std::string words = "press " + entry(action.position);
      switch (action.interruption) {
        case Interruption::NONE: words += ", wait"; break;
        case Interruption::TAB: words += ", Tab"; break;
        case Interruption::SHIFT_TAB: words += ", Shift+Tab"; break;
        case Interruption::SAVE_CANCELLED: words += ", Ctrl+S, cancel"; break;
        case Interruption::OPEN_CANCELLED: words += ", Ctrl+O, cancel"; break;
      }
      const bool tabbed = action.interruption == Interruption::TAB || action.interruption == Interruption::SHIFT_TAB;
      if (tabbed && !action.text.empty()) {
        words += ", Ctrl+A, type " + action.text;
      }
      return words + ", release";
    }
    case ActionKind::LIST_KEY: {
      static const char *const KEYS[] = {"Up", "Down", "Home", "End", "PgUp", "PgDn"};
      const std::string key = action.key == ListKey::CHARACTER ? std::string("'") + action.character + "'"
                                                               : KEYS[static_cast<int>(action.key)];
      return key + " in " + ListName(action.list);
    }
    case ActionKind::TYPE:
      return action.text.empty() ? std::string("empty ") + EditName(action.edit)
                                 : "type " + quoted(action.text) + " in " + EditName(action.edit);
    case ActionKind::PASTE:
      return "paste " + quoted(action.text) + " in " + EditName(action.edit);
    case ActionKind::ERASE:
      return std::string(action.backwards ? "Home, Delete in " : "End, Backspace in ") + EditName(action.edit);
    case ActionKind::TAB:
      return action.backwards ? "Shift+Tab" : "Tab";
    case ActionKind::BUTTON:
      return action.pushButton == Button::COPY_TO_RX ? "复制到==>" : action.pushButton == Button::COPY_TO_TX ? "复制到<==" : "清除";
    case ActionKind::READ: {
      std::string words = "读出 (";
      words += action.reply == Reply::WHOLE ? image()
               : action.reply == Reply::SHORT ? std::to_string(ReplyBytes(action).size()) + " bytes of " + image()
                                               : image() + " with marker 0";
      words += ")";
      return words + Circumstances(action);
    }
    case ActionKind::WRITE:
      return "写入" + Circumstances(action);
    case ActionKind::OPEN:
      return action.file == FileChoice::CANCEL ? std::string("从文件读入, cancel")
             : action.file == FileChoice::IMAGE ? "从文件读入 " + image()
                                                 : "从文件读入 a file of " + std::to_string(FileBytes(action).size()) + " bytes";
    case ActionKind::SAVE:
      return action.file == FileChoice::CANCEL ? "保存到文件, cancel" : "保存到文件";
  }
  return "?";
}
