// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_names.h"

namespace {

struct ControlName {
  int id;
  const char *name;
};

constexpr ControlName NAMES[] = {
    {ControlId::BAND_EDIT, "频段"},
    {ControlId::SPACING_LIST, "频道窄/宽选择"},
    {ControlId::CHANNEL_LIST, "频道选择"},
    {ControlId::PORT_LIST, "串行口选择"},
    {ControlId::TX_FREQUENCY_EDIT, "发射 频率"},
    {ControlId::TOT_EDIT, "TOT限时"},
    {ControlId::TX_CODE_TYPE_LIST, "发射 编码类型"},
    {ControlId::TX_CODE_TABLE_LIST, "发射 编码表"},
    {ControlId::SELECTED_TX_CODE_EDIT, "发射 所选编码"},
    {ControlId::RX_FREQUENCY_EDIT, "接收 频率"},
    {ControlId::SQUELCH_LIST, "静噪等级"},
    {ControlId::RX_CODE_TYPE_LIST, "接收 编码类型"},
    {ControlId::RX_CODE_TABLE_LIST, "接收 编码表"},
    {ControlId::SELECTED_RX_CODE_EDIT, "接收 所选编码"},
    {ControlId::SELECTED_SQUELCH_EDIT, "所选静噪等级"},
    {ControlId::SELECTED_SPACING_EDIT, "所选窄/宽值"},
};

}  // namespace

const char *AccessibleNameOf(const ControlTemplate &control) {
  for (const ControlName &entry : NAMES) {
    if (entry.id == control.id) {
      return entry.name;
    }
  }
  return control.text;
}
