// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_template.h"

namespace {

constexpr ControlKind EDIT = ControlKind::EDIT;
constexpr ControlKind GROUP_BOX = ControlKind::GROUP_BOX;
constexpr ControlKind LABEL = ControlKind::LABEL;
constexpr ControlKind LIST_BOX = ControlKind::LIST_BOX;
constexpr ControlKind PUSH_BUTTON = ControlKind::PUSH_BUTTON;
constexpr ControlKind READ_ONLY_EDIT = ControlKind::READ_ONLY_EDIT;
using namespace ControlStyle;
constexpr int NONE = NO_CONTROL_ID;

}  // namespace

const std::array<ControlTemplate, EDITOR_CONTROL_COUNT> EDITOR_CONTROLS = {{
    {1036, EDIT, "", 270, 35, 80, 14, TAB_STOP},
    {1037, LIST_BOX, "", 155, 30, 48, 20, SORTED | TAB_STOP},
    {1035, LIST_BOX, "", 30, 35, 48, 55, SORTED | TAB_STOP},
    {1007, EDIT, "", 85, 135, 100, 15, STATIC_EDGE | TAB_STOP},
    {1018, EDIT, "", 85, 170, 40, 14, TAB_STOP},
    {1029, LIST_BOX, "", 85, 215, 48, 30, SORTED | STATIC_EDGE | TAB_STOP},
    {1013, LIST_BOX, "", 155, 214, 60, 91, STATIC_EDGE | TAB_STOP},
    {1020, EDIT, "", 340, 105, 100, 15, STATIC_EDGE | TAB_STOP},
    {1031, LIST_BOX, "", 340, 145, 38, 40, SORTED | TAB_STOP},
    {1030, LIST_BOX, "", 340, 216, 48, 29, SORTED | STATIC_EDGE | TAB_STOP},
    {1012, LIST_BOX, "", 410, 215, 60, 91, STATIC_EDGE | TAB_STOP},
    {1042, PUSH_BUTTON, "复制到<==", 233, 145, 23, 55, MULTI_LINE | SUNKEN_EDGE | TAB_STOP},
    {1043, PUSH_BUTTON, "复制到==>", 233, 235, 23, 55, MULTI_LINE | SUNKEN_EDGE | TAB_STOP},
    {1044, PUSH_BUTTON, "读出", 100, 340, 50, 14, TAB_STOP},
    {1015, PUSH_BUTTON, "写入", 180, 340, 50, 14, TAB_STOP},
    {1041, PUSH_BUTTON, "清除", 260, 340, 50, 14, TAB_STOP},
    {2, PUSH_BUTTON, "退出", 340, 340, 50, 14, TAB_STOP},
    {1040, LIST_BOX, "", 425, 30, 48, 19, SORTED | TAB_STOP},
    {NONE, GROUP_BOX, "发射", 5, 115, 225, 205, CENTRED_TITLE},
    {NONE, GROUP_BOX, "接收", 260, 85, 225, 235, CENTRED_TITLE},
    {NONE, LABEL, "频率", 25, 141, 17, 8, 0},
    {NONE, LABEL, "频率", 280, 111, 17, 8, 0},
    {NONE, LABEL, "编码类型", 25, 215, 33, 8, 0},
    {NONE, LABEL, "编码表", 410, 200, 25, 8, 0},
    {NONE, LABEL, "所选编码", 280, 296, 33, 8, 0},
    {NONE, LABEL, "TOT限时", 25, 176, 29, 8, 0},
    {1019, READ_ONLY_EDIT, "", 340, 292, 50, 14, STATIC_EDGE},
    {NONE, LABEL, "编码类型", 280, 216, 33, 8, 0},
    {NONE, LABEL, "编码表", 155, 200, 25, 8, 0},
    {NONE, LABEL, "所选编码", 25, 295, 33, 8, 0},
    {1021, READ_ONLY_EDIT, "", 85, 291, 50, 14, STATIC_EDGE},
    {NONE, LABEL, "静噪等级", 280, 147, 33, 8, 0},
    {NONE, LABEL, "(CTCSS/DCS)", 20, 230, 45, 8, 0},
    {NONE, LABEL, "(CTCSS/DCS)", 275, 230, 45, 8, 0},
    {NONE, LABEL, "分", 131, 176, 9, 8, 0},
    {NONE, LABEL, "（0.1－10分钟）", 10, 185, 61, 8, 0},
    {NONE, GROUP_BOX, "频道选择", 5, 10, 100, 95, CENTRED_TITLE},
    {1038, READ_ONLY_EDIT, "", 410, 165, 40, 14, 0},
    {NONE, LABEL, "所选静噪等级", 410, 145, 49, 8, 0},
    {NONE, GROUP_BOX, "频道窄/宽选择", 130, 10, 100, 95, CENTRED_TITLE},
    {1039, READ_ONLY_EDIT, "", 155, 75, 50, 14, 0},
    {NONE, LABEL, "所选窄/宽值", 155, 60, 45, 8, 0},
    {NONE, GROUP_BOX, "频段", 260, 10, 113, 60, CENTRED_TITLE},
    {NONE, GROUP_BOX, "串行口选择", 415, 10, 68, 60, CENTRED_TITLE},
    {NONE, LABEL, "Mhz", 355, 40, 13, 8, 0},
    {NONE, LABEL, "Mhz", 190, 140, 13, 8, 0},
    {NONE, LABEL, "Mhz", 445, 110, 13, 8, 0},
}};

const ControlTemplate *FindControlTemplate(int id) {
  if (id == NO_CONTROL_ID) {
    return nullptr;
  }
  for (const ControlTemplate &control : EDITOR_CONTROLS) {
    if (control.id == id) {
      return &control;
    }
  }
  return nullptr;
}
