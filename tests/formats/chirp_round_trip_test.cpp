// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chirp_csv.h"
#include "radio_memories.h"
#include "sample_memory.h"

namespace {

ChannelImage ImageOf(const Bytes &bytes) {
  ChannelImage image;
  std::copy(bytes.begin(), bytes.end(), image.bytes.begin());
  return image;
}

std::vector<ChannelImage> SampleMemories() {
  const RadioMemory sample = BuildSampleMemory();
  return {ImageOf(Bytes(sample.begin(), sample.end())), ImageOf(ValidMemory(0)), ImageOf(ValidMemory(1))};
}

TEST(ChirpRoundTrip, ExportThenImportOnTheSameImageGivesItBackByteForByte) {
  for (const ChannelImage &image : SampleMemories()) {
    const ChirpCsvExport csv = ExportChirpCsv(image);
    ASSERT_TRUE(csv.ok);
    const ChirpCsvImport back = ImportChirpCsv(csv.text, &image);
    ASSERT_TRUE(back.ok) << back.errors.at(0);
    EXPECT_TRUE(SameBytes(Bytes(back.image.bytes.begin(), back.image.bytes.end()),
                          Bytes(image.bytes.begin(), image.bytes.end())));
  }
}

TEST(ChirpRoundTrip, WithoutABaseEveryShownFieldComesBack) {
  // The export writes every field the editor shows, band base included, so an image that shows
  // the same exports the same text.
  for (const ChannelImage &image : SampleMemories()) {
    const std::string text = ExportChirpCsv(image).text;
    const ChirpCsvImport back = ImportChirpCsv(text, nullptr);
    ASSERT_TRUE(back.ok) << back.errors.at(0);
    EXPECT_EQ(ExportChirpCsv(back.image).text, text);
    EXPECT_EQ(BandBase(back.image), BandBase(image));
  }
}

}  // namespace
