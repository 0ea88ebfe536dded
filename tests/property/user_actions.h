// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a user does to the editor window, as plain data: the vocabulary shared by the model of
// the editor, the interpreter that plays an action on the real window, the property test that
// generates sequences of them and the fuzz target that reads them from bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "channel_image.h"

// The eight list boxes, in tab order.
enum class List { SPACING, CHANNEL, TX_CODE_TYPE, TX_CODE_TABLE, SQUELCH, RX_CODE_TYPE, RX_CODE_TABLE, PORT };
constexpr std::size_t LIST_COUNT = 8;

// The eight bound edits, in the order the data exchange goes through them. The user types into
// the first, second, fourth and seventh; the others are read-only.
enum class Edit { TX_FREQUENCY, RX_FREQUENCY, RX_CODE, TOT, TX_CODE, SPACING, BAND, SQUELCH };
constexpr std::size_t EDIT_COUNT = 8;
constexpr std::array<Edit, 4> NUMBER_EDITS = {Edit::BAND, Edit::TX_FREQUENCY, Edit::TOT, Edit::RX_FREQUENCY};

enum class ActionKind {
  CLICK,         // a click with one button on an entry or on the blank area of a list
  DRAG,          // left press on an entry or the blank area, drag over the entries to another, release
  DOUBLE_CLICK,  // left double click on an entry
  HOLD,          // left press held while the focus leaves the list in some way, then the release
  LIST_KEY,      // the focus goes to a list by Tab, then one key
  TYPE,          // click into an edit, Ctrl+A, the text key by key (Ctrl+A, Backspace for an empty text)
  PASTE,         // click into an edit, Ctrl+A, Ctrl+V
  ERASE,         // click into an edit, End and Backspace, or Home and Delete
  TAB,           // Tab or Shift+Tab
  BUTTON,        // a click on 复制到==>, 复制到<== or 清除
  READ,          // 读出, the radio answers, the read's time is up
  WRITE,         // 写入, the frame leaves, the write's time is up
  OPEN,          // Ctrl+O: 从文件读入
  SAVE,          // Ctrl+S: 保存到文件
};

enum class MouseButton { LEFT, RIGHT, MIDDLE };
enum class ListKey { UP, DOWN, HOME, END, PAGE_UP, PAGE_DOWN, CHARACTER };
enum class Button { COPY_TO_RX, COPY_TO_TX, CLEAR };
// How the focus leaves a list whose button is held.
enum class Interruption { NONE, TAB, SHIFT_TAB, SAVE_CANCELLED, OPEN_CANCELLED };
enum class Reply { WHOLE, SHORT, MARKER_ZERO };
enum class ImageStyle { VALID, RANDOM, MIXED };
enum class FileChoice { CANCEL, IMAGE, WRONG_SIZE };

// A position in a list: an entry, or this for the blank area below the entries.
constexpr int BLANK = -1;

struct Action {
  ActionKind kind = ActionKind::TAB;
  List list = List::CHANNEL;
  int position = 0;  // generated: any number or BLANK; resolved: an entry or BLANK
  int target = 0;    // DRAG: where the drag ends, like position
  MouseButton button = MouseButton::LEFT;
  ListKey key = ListKey::DOWN;
  char character = '0';  // LIST_KEY CHARACTER: the type-ahead character
  Edit edit = Edit::BAND;
  std::string text;  // TYPE, PASTE; HOLD: typed after a Tab
  bool backwards = false;  // TAB: Shift+Tab; ERASE: Home and Delete instead of End and Backspace
  Button pushButton = Button::CLEAR;
  Interruption interruption = Interruption::NONE;
  // READ and WRITE: a press held on `list` at `position` while the transfer runs; what the
  // user does after the click, before the transfer ends (at most one action, with no entry of a
  // code table list, since those may be refilled by the click); no radio on either port.
  bool holding = false;
  std::vector<Action> during;
  bool unplugged = false;
  Reply reply = Reply::WHOLE;
  std::size_t replyLength = IMAGE_SIZE;  // SHORT: fewer bytes
  ImageStyle style = ImageStyle::VALID;
  std::uint32_t seed = 0;
  FileChoice file = FileChoice::CANCEL;  // OPEN; SAVE uses CANCEL and IMAGE (saved)
};

// The 187 bytes of a generated radio memory: every channel valid in a band of 350 to 450 MHz,
// any bytes at all, or valid channels with a few records of any bytes. The reply marker is
// nonzero.
ChannelImage GeneratedImage(ImageStyle style, std::uint32_t seed);
// What the radio answers to a READ; what the file of an OPEN holds.
std::vector<std::uint8_t> ReplyBytes(const Action &action);
std::vector<std::uint8_t> FileBytes(const Action &action);

// The name the window gives a list or an edit ("频道选择", "发射 频率").
const char *ListName(List list);
const char *EditName(Edit edit);
