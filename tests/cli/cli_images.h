// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Image files for the command-line tests.

#include <string>

#include "channel_image.h"

// Band 430 MHz. Channel 1: 438.0125 MHz narrow, transmit DCS byte 0x85 ("172I"), 0.3 minutes,
// squelch level 9. Channel 2: 431 MHz, receive tone 11 ("100"). The rest as after a reset.
ChannelImage ValidImage();

// Writes `image` to `path`; false when that failed.
bool PutImage(const std::string &path, const ChannelImage &image);
