// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data side of the field edit handlers, apart from the widgets.

#include <cstdint>
#include <string>

#include "channel_image.h"

// Writes the band base into the SettingsRecord. A value that 24 bits cannot hold would turn
// into a different band if cut to its low bits (2077.7216 MHz would cut to 400 MHz), so it is
// written as FF FF FF, which validation refuses with the band message.
void WriteBandBase(ChannelImage &image, std::int32_t band);

// FLAG_NARROW after the user chose a spacing text: set for "12.5Khz", clear for "25Khz", no
// change for any other text. No other bit changes.
std::uint8_t FlagsForSpacing(std::uint8_t flags, const std::string &spacingText);

// The two-digit channel list text of channel index 0 to 15: "01频道" to "16频道".
std::string ChannelListText(int channelIndex);
