// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor window as data: every control of dialog template 102 with its id, kind, text,
// place and size in dialog units, in template order, which is also the tab order.

#include <array>
#include <cstddef>

enum class ControlKind { EDIT, READ_ONLY_EDIT, LIST_BOX, PUSH_BUTTON, GROUP_BOX, LABEL };

// Style bits of a control.
namespace ControlStyle {
constexpr unsigned TAB_STOP = 0x01;
constexpr unsigned SORTED = 0x02;       // list box keeps its items in text order
constexpr unsigned STATIC_EDGE = 0x04;  // one pixel, sunken
constexpr unsigned SUNKEN_EDGE = 0x08;  // two pixels, sunken, as a window's client edge
constexpr unsigned MULTI_LINE = 0x10;   // push button whose text wraps
constexpr unsigned CENTRED_TITLE = 0x20;
}  // namespace ControlStyle

struct ControlTemplate {
  int id;  // NO_CONTROL_ID for labels and group boxes
  ControlKind kind;
  const char *text;
  int x, y, width, height;  // dialog units
  unsigned style;
};

constexpr int NO_CONTROL_ID = -1;

// Control ids of template 102.
namespace ControlId {
constexpr int BAND_EDIT = 1036;
constexpr int SPACING_LIST = 1037;
constexpr int CHANNEL_LIST = 1035;
constexpr int TX_FREQUENCY_EDIT = 1007;
constexpr int TOT_EDIT = 1018;
constexpr int TX_CODE_TYPE_LIST = 1029;
constexpr int TX_CODE_TABLE_LIST = 1013;
constexpr int RX_FREQUENCY_EDIT = 1020;
constexpr int SQUELCH_LIST = 1031;
constexpr int RX_CODE_TYPE_LIST = 1030;
constexpr int RX_CODE_TABLE_LIST = 1012;
constexpr int COPY_TO_TX_BUTTON = 1042;  // "复制到<=="
constexpr int COPY_TO_RX_BUTTON = 1043;  // "复制到==>"
constexpr int READ_BUTTON = 1044;
constexpr int WRITE_BUTTON = 1015;
constexpr int CLEAR_BUTTON = 1041;
constexpr int CANCEL_BUTTON = 2;  // "退出", the cancel command
constexpr int PORT_LIST = 1040;
constexpr int SELECTED_RX_CODE_EDIT = 1019;
constexpr int SELECTED_TX_CODE_EDIT = 1021;
constexpr int SELECTED_SQUELCH_EDIT = 1038;
constexpr int SELECTED_SPACING_EDIT = 1039;
}  // namespace ControlId

constexpr std::size_t EDITOR_CONTROL_COUNT = 47;
extern const std::array<ControlTemplate, EDITOR_CONTROL_COUNT> EDITOR_CONTROLS;

constexpr int EDITOR_TEMPLATE_ID = 102;
constexpr int EDITOR_WIDTH = 495;   // dialog units
constexpr int EDITOR_HEIGHT = 362;  // dialog units
constexpr unsigned EDITOR_STYLE = ControlStyle::SUNKEN_EDGE;  // the sunken client edge

// The template entry of a control id, or nullptr.
const ControlTemplate *FindControlTemplate(int id);
