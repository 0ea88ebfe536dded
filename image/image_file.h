// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An image file holds the 187 bytes of a ChannelImage and nothing else, so it opens in a hex
// editor and in the simulated radio alike.

#include <string>

#include "channel_image.h"
#include "regular_file.h"

// Reads a regular file of exactly IMAGE_SIZE bytes into `image`. On failure `image` is
// untouched and `error` says what went wrong with which file; a file of another size is
// FileProblem::WRONG_SIZE.
bool ReadImageFile(const std::string &path, ChannelImage &image, FileError &error);

// Puts the image in place of the file at `path` with ReplaceRegularFile: the old file stays as
// it was unless the whole image is safely on the disk.
bool WriteImageFile(const std::string &path, const ChannelImage &image, FileError &error);
