// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_images.h"

#include "image_file.h"

ChannelImage ValidImage() {
  ChannelImage image;
  ResetImage(image);
  WriteField24(image.Settings() + SettingsOffset::BAND_BASE, 4300000);
  image.Settings()[SettingsOffset::REPLY_MARKER] = 1;
  std::uint8_t *one = image.Record(0);
  WriteField24(one + RecordOffset::RX_FREQUENCY, 4380125);
  WriteField24(one + RecordOffset::TX_FREQUENCY, 4380125);
  one[RecordOffset::TX_CODE] = 0x85;
  one[RecordOffset::FLAGS] = FLAG_NARROW | FLAG_TX_CODED;
  one[RecordOffset::TOT] = 3;
  one[RecordOffset::SQUELCH] = 102;
  std::uint8_t *two = image.Record(1);
  WriteField24(two + RecordOffset::RX_FREQUENCY, 4310000);
  WriteField24(two + RecordOffset::TX_FREQUENCY, 4310000);
  two[RecordOffset::RX_CODE] = 11;
  two[RecordOffset::FLAGS] = FLAG_RX_CODED | FLAG_RX_CTCSS;
  return image;
}


bool PutImage(const std::string &path, const ChannelImage &image) {
  FileError error;
  return WriteImageFile(path, image, error);
}
