// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seven channel rules over all sixteen channels of an image, the way the window's write
// checks them, but without stopping at the first failure.

#include <string>
#include <vector>

#include "channel_image.h"

struct ChannelFailure {
  int channel;          // 1 to 16
  std::string message;  // the window's text of the first rule the channel breaks
};

// Every failing channel in order; empty when the image may be written.
std::vector<ChannelFailure> FailingChannels(const ChannelImage &image);

// "channel 5: 接收频率值必须是25Khz的整数倍 (the receive frequency must be a multiple of 25 kHz)":
// the window's text, then its meaning in English.
std::string FailureLine(const ChannelFailure &failure);
