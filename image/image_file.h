// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An image file holds the 187 bytes of a ChannelImage and nothing else, so it opens in a hex
// editor and in the simulated radio alike.

#include <string>

#include "channel_image.h"

// Reads a file of exactly IMAGE_SIZE bytes into `image`. On failure `image` is untouched,
// `error` says what went wrong with which file (in English), and `systemError`, when given,
// receives the errno of the failing call, or 0 when the file was readable but had the wrong size.
bool ReadImageFile(const std::string &path, ChannelImage &image, std::string &error,
                   int *systemError = nullptr);

// Writes the image to a temporary file in the target's folder, flushes it to the disk and
// renames it over the target: a reader sees the old file or the new one, and a failure leaves
// no partial file behind. Reports like ReadImageFile.
bool WriteImageFile(const std::string &path, const ChannelImage &image, std::string &error,
                    int *systemError = nullptr);
