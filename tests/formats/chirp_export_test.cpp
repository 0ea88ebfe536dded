// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "chirp_csv.h"
#include "csv_lines.h"

namespace {

constexpr std::uint32_t BAND_400 = 4000000;
constexpr std::uint8_t TX_CTCSS = 0x28, RX_CTCSS = 0x50, TX_DCS = 0x08, RX_DCS = 0x10, NARROW = 0x80;

struct ExportCase {
  const char *name;
  RawChannel channel;
  // Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode,
  // CrossMode, Mode, TStep: columns 2 to 13.
  CsvLine expected;
};

// Code bytes: CTCSS 0x00 67 Hz, 0x0B 100 Hz, 0x11 123 Hz, 0x25 250.3 Hz; DCS 0x00 023N,
// 0x87 023I, 0x53 754N, 0x91 754I, 0x80 047I, 0x85 172I.
const ExportCase EXPORT_CASES[] = {
    {"no code, same frequency", {4000250, 4000250, 0, 0, 0},
     {"400.025000", "", "0.000000", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone", "FM", "25.00"}},
    {"Tone, transmit above", {4000250, 4050250, TX_CTCSS, 0x0B, 0x11},
     {"400.025000", "+", "5.000000", "Tone", "100.0", "88.5", "023", "NN", "023", "Tone->Tone", "FM", "25.00"}},
    {"TSQL, transmit below", {4100000, 4000000, TX_CTCSS | RX_CTCSS, 0x00, 0x00},
     {"410.000000", "-", "10.000000", "TSQL", "88.5", "67.0", "023", "NN", "023", "Tone->Tone", "FM", "25.00"}},
    {"DTCS normal, narrow", {4000125, 4000125, NARROW | TX_DCS | RX_DCS, 0x53, 0x53},
     {"400.012500", "", "0.000000", "DTCS", "88.5", "88.5", "754", "NN", "023", "Tone->Tone", "NFM", "12.50"}},
    {"DTCS one code, receive inverted", {4000000, 4000000, TX_DCS | RX_DCS, 0x00, 0x87},
     {"400.000000", "", "0.000000", "DTCS", "88.5", "88.5", "023", "NR", "023", "Tone->Tone", "FM", "25.00"}},
    {"Cross Tone->Tone", {4000000, 4000000, TX_CTCSS | RX_CTCSS, 0x0B, 0x00},
     {"400.000000", "", "0.000000", "Cross", "100.0", "67.0", "023", "NN", "023", "Tone->Tone", "FM", "25.00"}},
    // The receive CTCSS bit without the CODED bit is a leftover: no receive code.
    {"Cross DTCS->", {4000000, 4000000, TX_DCS | 0x40, 0x80, 0x25},
     {"400.000000", "", "0.000000", "Cross", "88.5", "88.5", "047", "RN", "023", "DTCS->", "FM", "25.00"}},
    {"Cross ->DTCS", {4000000, 4000000, RX_DCS, 0x0B, 0x53},
     {"400.000000", "", "0.000000", "Cross", "88.5", "88.5", "023", "NN", "754", "->DTCS", "FM", "25.00"}},
    {"Cross Tone->DTCS", {4000000, 4000000, TX_CTCSS | RX_DCS, 0x25, 0x85},
     {"400.000000", "", "0.000000", "Cross", "250.3", "88.5", "023", "NR", "172", "Tone->DTCS", "FM", "25.00"}},
    {"Cross DTCS->Tone", {4000000, 4000000, TX_DCS | RX_CTCSS, 0x53, 0x11},
     {"400.000000", "", "0.000000", "Cross", "88.5", "123.0", "754", "NN", "023", "DTCS->Tone", "FM", "25.00"}},
    {"Cross ->Tone", {4000000, 4000000, RX_CTCSS, 0x00, 0x11},
     {"400.000000", "", "0.000000", "Cross", "88.5", "123.0", "023", "NN", "023", "->Tone", "FM", "25.00"}},
    {"Cross DTCS->DTCS", {4000000, 4000000, TX_DCS | RX_DCS, 0x00, 0x91},
     {"400.000000", "", "0.000000", "Cross", "88.5", "88.5", "023", "NR", "754", "DTCS->DTCS", "FM", "25.00"}},
    {"70 MHz apart is still an offset", {4000000, 4700000, 0, 0, 0},
     {"400.000000", "+", "70.000000", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone", "FM", "25.00"}},
    {"further apart is a split", {4000000, 4700100, 0, 0, 0},
     {"400.000000", "split", "470.010000", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone", "FM", "25.00"}},
    {"no transmit frequency", {4000000, 0, 0, 0, 0},
     {"400.000000", "off", "0.000000", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone", "FM", "25.00"}},
};

TEST(ChirpExport, EachToneModeAndDuplexCase) {
  for (const ExportCase &test : EXPORT_CASES) {
    const ChirpCsvExport csv = ExportChirpCsv(ImageWithChannel(BAND_400, 5, test.channel));
    ASSERT_TRUE(csv.ok) << test.name;
    const std::vector<CsvLine> lines = SplitCrLfLines(csv.text);
    ASSERT_EQ(lines.size(), 2u) << test.name << ": the header and channel 5 only";
    ASSERT_EQ(lines[1].size(), 24u) << test.name;
    EXPECT_EQ(lines[1][0], "5") << test.name;
    EXPECT_EQ(CsvLine(lines[1].begin() + 2, lines[1].begin() + 14), test.expected) << test.name;
  }
}

TEST(ChirpExport, HeaderPowerSkipAndOwnColumns) {
  RawChannel channel{4310250, 4310250, 0, 0, 0};
  channel.tot = 25;
  channel.squelch = 102;  // level 9
  ChannelImage image = ImageWithChannel(4300000, 16, channel);
  image.Record(1)[10] = 0;  // shows level 3: channel 2 is otherwise unused and stays out
  const ChirpCsvExport csv = ExportChirpCsv(image);
  ASSERT_TRUE(csv.ok);
  EXPECT_EQ(csv.text,
            "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
            "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE,TimeLimitMinutes,"
            "SquelchLevel,BandBase\r\n"
            "16,,431.025000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,50W,,,,,,2.5,9,430.000000\r\n");
}

TEST(ChirpExport, ChannelOneCarriesTheBandWhenNoChannelIsInUse) {
  ChannelImage image;
  ResetImage(image);
  WriteField24(image.Settings(), 4300000);
  const std::vector<CsvLine> lines = SplitCrLfLines(ExportChirpCsv(image).text);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1][0], "1");
  EXPECT_EQ(lines[1][23], "430.000000");
}

TEST(ChirpExport, ACodeByteWithoutAListEntryIsLeftOutAndNamedTheRestExported) {
  // A CTCSS byte of 38 is past the last tone and DCS 0x9C is nobody's inversion: the editor shows
  // no code for them, and the file can hold none.
  ChannelImage image = ImageWithChannel(BAND_400, 2, {4000000, 4000000, TX_CTCSS | RX_CTCSS, 0x0B, 38});
  WriteField24(image.Record(4), 4000250);
  image.Record(6)[9] = TX_DCS;
  image.Record(6)[8] = 0x9C;
  const ChirpCsvExport csv = ExportChirpCsv(image);
  EXPECT_FALSE(csv.ok);
  EXPECT_EQ(csv.errors, (std::vector<std::string>{
                            "channel 2: the receive code byte 0x26 is no code of the radio's lists; its receive "
                            "tone is left empty",
                            "channel 7: the transmit code byte 0x9C is no code of the radio's lists; its transmit "
                            "tone is left empty"}));
  const std::vector<CsvLine> lines = SplitCrLfLines(csv.text);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(CsvLine(lines[1].begin(), lines[1].begin() + 7), (CsvLine{"2", "", "400.000000", "", "0.000000", "Tone", "100.0"}));
  EXPECT_EQ(lines[2][0], "5");
  EXPECT_EQ(CsvLine(lines[3].begin(), lines[3].begin() + 6), (CsvLine{"7", "", "0.000000", "", "0.000000", ""}));
}

}  // namespace
