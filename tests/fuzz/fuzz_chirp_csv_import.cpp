// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as a CHIRP CSV file, read with no base image and with the simulated radio's memory as
// base. Whatever is accepted must export, and the export must read back to the very same image:
// with that image as base, and, for a file read without a base, with no base either (the band
// base travels in the file). Whatever is refused must say why, in messages without a control
// character: they quote the file's fields and go to a terminal.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "channel_image.h"
#include "chirp_csv.h"
#include "fuzz_check.h"
#include "sample_memory.h"

namespace {

bool HasControlByte(const std::string &message) {
  return std::any_of(message.begin(), message.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

void CheckRoundTrip(const std::string &text, const ChannelImage *base) {
  const ChirpCsvImport imported = ImportChirpCsv(text, base);
  if (!imported.ok) {
    FuzzCheck(!imported.errors.empty(), "a refused file gets a message");
    FuzzCheck(std::none_of(imported.errors.begin(), imported.errors.end(), HasControlByte),
              "no control character reaches a message");
    return;
  }
  FuzzCheck(imported.errors.empty(), "an accepted file has no errors");
  const ChirpCsvExport exported = ExportChirpCsv(imported.image);
  FuzzCheck(exported.ok, "an imported image always exports");

  const ChirpCsvImport again = ImportChirpCsv(exported.text, &imported.image);
  FuzzCheck(again.ok, "an export reads back");
  FuzzCheck(again.image.bytes == imported.image.bytes, "export, then import on the same image, gives it back");
  if (base == nullptr) {
    const ChirpCsvImport fresh = ImportChirpCsv(exported.text, nullptr);
    FuzzCheck(fresh.ok && fresh.image.bytes == imported.image.bytes,
              "without a base, the export of an import without a base reads back to the same image");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static const ChannelImage sample = [] {
    ChannelImage image;
    image.bytes = BuildSampleMemory();
    return image;
  }();
  const std::string text(reinterpret_cast<const char *>(data), size);
  CheckRoundTrip(text, nullptr);
  CheckRoundTrip(text, &sample);
  return 0;
}
