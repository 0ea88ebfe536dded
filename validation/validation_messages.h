// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the channel rules, exactly as the user sees them. The dash and the comma of the band
// and time-limit texts are the full-width "－" and "，".

#include <array>

#include "channel_image.h"

constexpr const char *MSG_DISTANCE = "接收频率与发射频率的差值必须小于等于10Mhz";
constexpr const char *MSG_BAND = "频段值必须在350Mhz－450Mhz内，以10Mhz递增";
constexpr const char *MSG_RX_GRID_NARROW = "接收频率值必须是12.5Khz的整数倍";
constexpr const char *MSG_RX_GRID_WIDE = "接收频率值必须是25Khz的整数倍";
constexpr const char *MSG_TX_GRID_NARROW = "发射频率值必须是12.5Khz的整数倍";
constexpr const char *MSG_TX_GRID_WIDE = "发射频率值必须是25Khz的整数倍";
constexpr const char *MSG_TOT = "发射限时必须大于等于0.1，小于等于10";

// One fixed text per channel and direction, indexed by currentChannel.
constexpr std::array<const char *, CHANNEL_COUNT> MSG_RX_OUT_OF_BAND = {
    "1频道接收频率值超出频段范围",  "2频道接收频率值超出频段范围",  "3频道接收频率值超出频段范围",
    "4频道接收频率值超出频段范围",  "5频道接收频率值超出频段范围",  "6频道接收频率值超出频段范围",
    "7频道接收频率值超出频段范围",  "8频道接收频率值超出频段范围",  "9频道接收频率值超出频段范围",
    "10频道接收频率值超出频段范围", "11频道接收频率值超出频段范围", "12频道接收频率值超出频段范围",
    "13频道接收频率值超出频段范围", "14频道接收频率值超出频段范围", "15频道接收频率值超出频段范围",
    "16频道接收频率值超出频段范围"};
constexpr std::array<const char *, CHANNEL_COUNT> MSG_TX_OUT_OF_BAND = {
    "1频道发射频率值超出频段范围",  "2频道发射频率值超出频段范围",  "3频道发射频率值超出频段范围",
    "4频道发射频率值超出频段范围",  "5频道发射频率值超出频段范围",  "6频道发射频率值超出频段范围",
    "7频道发射频率值超出频段范围",  "8频道发射频率值超出频段范围",  "9频道发射频率值超出频段范围",
    "10频道发射频率值超出频段范围", "11频道发射频率值超出频段范围", "12频道发射频率值超出频段范围",
    "13频道发射频率值超出频段范围", "14频道发射频率值超出频段范围", "15频道发射频率值超出频段范围",
    "16频道发射频率值超出频段范围"};
