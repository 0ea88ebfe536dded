// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What differs between two images, in the words of the editor where it shows the bytes, and as
// bytes where it does not: every byte that differs is accounted for.

#include <string>
#include <vector>

#include "channel_image.h"

// One line per difference, "channel 3 RX MHz: 438.0125 -> 438.025", "channel 3 byte 9: 0x80 ->
// 0x87", "band base MHz: 430 -> 440", "image byte 180: 0x00 -> 0x01"; empty when the two
// images are equal byte for byte.
std::vector<std::string> ImageDifferences(const ChannelImage &before, const ChannelImage &after);
