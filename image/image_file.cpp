// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_file.h"

#include <string_view>

namespace {

// Files up to this size are read whole, so the message can say how long the wrong file is.
constexpr std::size_t LONGEST_FILE_MEASURED = 64 * 1024;

}  // namespace

bool ReadImageFile(const std::string &path, ChannelImage &image, FileError &error) {
  std::string bytes;
  if (!ReadRegularFile(path, LONGEST_FILE_MEASURED, bytes, error)) {
    if (error.problem != FileProblem::TOO_LARGE) return false;
    bytes.clear();
  }
  if (bytes.size() == IMAGE_SIZE) {
    ReplaceImage(image, reinterpret_cast<const std::uint8_t *>(bytes.data()));
    return true;
  }
  const std::string found = error.problem == FileProblem::TOO_LARGE
                                ? "more than " + std::to_string(LONGEST_FILE_MEASURED)
                                : std::to_string(bytes.size());
  error.problem = FileProblem::WRONG_SIZE;
  error.systemError = 0;
  error.text = path + ": an image file holds exactly " + std::to_string(IMAGE_SIZE) + " bytes, this one " + found;
  return false;
}

bool WriteImageFile(const std::string &path, const ChannelImage &image, FileError &error) {
  const std::string_view bytes(reinterpret_cast<const char *>(image.bytes.data()), image.bytes.size());
  return ReplaceRegularFile(path, bytes, error);
}
