// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "chirp_csv.h"
#include "csv_lines.h"

namespace {

const std::string HEADER =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,"
    "Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE,TimeLimitMinutes,SquelchLevel,BandBase\n";

// A line of the full header, channel `location` on 431.025 MHz with the given middle columns
// (Duplex through Mode) and own columns.
std::string Line(const std::string &location, const std::string &middle, const std::string &own = "5.0,3,") {
  return location + ",,431.025000," + middle + ",25.00,,50W,,,,,," + own + "\n";
}
const std::string PLAIN = ",0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM";

struct Refusal {
  std::string text;
  std::string firstError;
};

TEST(ChirpImport, RefusesWhatTheRadioCannotHoldNamingTheLine) {
  const Refusal refusals[] = {
      {HEADER + Line("17", PLAIN), "line 2: Location 17 is not a channel of the radio (1 to 16)"},
      {HEADER + Line("x", PLAIN), "line 2: Location \"x\" is not a channel number"},
      {HEADER + Line("3", PLAIN) + Line("3", PLAIN), "line 3: channel 3 was already given on line 2"},
      {HEADER + Line("1", ",0,Tone,69.3,88.5,023,NN,023,Tone->Tone,FM"),
       "line 2: the radio has no CTCSS tone of 69.3 Hz (rToneFreq)"},
      {HEADER + Line("1", ",0,DTCS,88.5,88.5,036,NN,023,Tone->Tone,FM"),
       "line 2: the radio has no DCS code 036 (DtcsCode)"},
      {HEADER + "1,,431.02505,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,,,,,,,,,,,\n",
       "line 2: Frequency \"431.02505\" MHz is not a whole number of 100 Hz"},
      {HEADER + Line("1", "-,431.100000,,88.5,88.5,023,NN,023,Tone->Tone,FM"),
       "line 2: the transmit frequency, 431.025000 MHz - 431.100000 MHz, is outside 0 to 1677.721500 MHz"},
      {HEADER + Line("1", ",0,TSQL-R,88.5,88.5,023,NN,023,Tone->Tone,FM"),
       "line 2: the radio has no reverse tone squelch (Tone \"TSQL-R\")"},
      {HEADER + Line("1", ",0,Cross,88.5,88.5,023,NN,023,Tone->DCS,FM"),
       "line 2: CrossMode \"Tone->DCS\" is not one of CHIRP's cross modes"},
      {HEADER + Line("1", ",0,,88.5,88.5,023,NN,023,Tone->Tone,AM"),
       "line 2: Mode \"AM\" is not one the radio has (FM for 25 kHz, NFM for 12.5 kHz)"},
      {HEADER + Line("1", PLAIN, "30,3,"), "line 2: TimeLimitMinutes \"30\" is above 25.5, the most the radio's memory holds"},
      {HEADER + Line("1", PLAIN, "5.0,10,"), "line 2: SquelchLevel \"10\" is not a level from 0 to 9"},
      {HEADER + Line("1", PLAIN, "5.0,3,430") + Line("2", PLAIN, "5.0,3,420"),
       "line 3: BandBase 420.000000 MHz differs from 430.000000 MHz on line 2; the radio has one band"},
      {"Location,Name,Frequency\n1,,360.000000\n2,,445.000000\n3,,440.000000\n",
       "no band from 350 to 450 MHz holds every frequency of the file; outside the band of 430.000000 MHz, "
       "which holds the most: 360.000000 MHz (line 2)"},
      {HEADER + "1,,431.025000\n", "line 2: the line has 3 fields, the header 24"},
      {"Location,Name,Frequency\n1,,438,0125\n",
       "line 2: the line has 4 fields, the header 3; numbers take a decimal point, and a comma inside a text "
       "needs quotes"},
      {HEADER + Line("1", ",0,,88.5,88.5,023,NN,023,Tone->Tone,\x1b[2J\x9b\xc2\x9b\xe2\x80\xae中"),
       "line 2: Mode \"\\x1b[2J\\x9b\\xc2\\x9b\\xe2\\x80\\xae中\" is not one the radio has (FM for 25 kHz, NFM for "
       "12.5 kHz)"},
      {HEADER + "1,\"open,431.025000\n", "line 2: a quoted field is not closed before the end of the file"},
      {"# nothing but a comment\n\n", "the file has no header line; CHIRP's starts with Location,Name,Frequency"},
      {"Location,Name,Freq\n1,,431\n", "line 1: the header names no Location or no Frequency column; is this CHIRP's CSV?"},
      {HEADER + std::string(1024 * 1024, '\n'), "the file has more than 1048576 bytes; a CHIRP file of 16 channels has a few thousand"},
  };
  for (const Refusal &refusal : refusals) {
    const ChirpCsvImport csv = ImportChirpCsv(refusal.text, nullptr);
    EXPECT_FALSE(csv.ok) << refusal.firstError;
    ASSERT_FALSE(csv.errors.empty()) << refusal.firstError;
    EXPECT_EQ(csv.errors[0], refusal.firstError);
  }
}

TEST(ChirpImport, ListsTwentyErrorsAndCountsTheRest) {
  std::string text = HEADER;
  for (int i = 0; i < 25; ++i) text += Line("99", PLAIN);
  const ChirpCsvImport csv = ImportChirpCsv(text, nullptr);
  ASSERT_EQ(csv.errors.size(), 21u);
  EXPECT_EQ(csv.errors[19].substr(0, 8), "line 21:");
  EXPECT_EQ(csv.errors[20], "and 5 more errors");
}

// As CHIRP writes it, and as people edit it: a byte-order mark, CR LF, a comment, quoted fields
// with commas, quotes and a line end, a blank line, no columns of ours, Power and TStep of
// another radio.
const std::string CHIRP_FILE =
    "\xEF\xBB\xBF# from a CHIRP session\r\n"
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
    "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
    "1,\"Rep, \"\"North\"\"\",431.025000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,"
    "\"two\r\nlines\",,,,\r\n"
    "\r\n"
    "3,,435.012500,,0.600000,DTCS,88.5,88.5,754,RN,023,Tone->Tone,NFM,12.50,S,5.0W,,,,,\r\n";

TEST(ChirpImport, ReadsCsvAsChirpWritesIt) {
  const ChirpCsvImport csv = ImportChirpCsv(CHIRP_FILE, nullptr);
  ASSERT_TRUE(csv.ok) << (csv.errors.empty() ? "" : csv.errors[0]);
  ChannelImage expected;
  ResetImage(expected);
  WriteField24(expected.Settings(), 4200000);  // the lowest band that holds 431 to 436 MHz
  const std::uint8_t channel1[] = {0x41, 0xC4, 0xEA, 0x00, 50, 0x42, 0x88, 0x3A, 0x0B, 0x28, 200};
  const std::uint8_t channel3[] = {0x42, 0x60, 0xAD, 0x53, 50, 0x42, 0x60, 0xAD, 0x91, 0x98, 200};
  std::copy(std::begin(channel1), std::end(channel1), expected.Record(0));
  std::copy(std::begin(channel3), std::end(channel3), expected.Record(2));
  EXPECT_EQ(csv.image.bytes, expected.bytes);
}

TEST(ChirpImport, ColumnsByNameInAnyOrderWithOneToneColumn) {
  // CHIRP's reader uses the one tone column there is for both tones.
  const ChirpCsvImport csv = ImportChirpCsv("Tone,cToneFreq,Frequency,Location\nTSQL,123.0,431.0,2\n", nullptr);
  ASSERT_TRUE(csv.ok);
  EXPECT_EQ(csv.image.Record(1)[3], 0x11);
  EXPECT_EQ(csv.image.Record(1)[8], 0x11);
  EXPECT_EQ(csv.image.Record(1)[9], 0x78);
}

TEST(ChirpImport, BandFromTheFileThenFromBaseThenTheLowestThatFits) {
  const std::string line = Line("1", PLAIN, "5.0,3,430.000000");
  const ChannelImage base = ImageWithChannel(4400000, 1, {0, 0, 0, 0, 0});
  EXPECT_EQ(BandBase(ImportChirpCsv(HEADER + line, nullptr).image), 4300000u);
  EXPECT_EQ(BandBase(ImportChirpCsv(HEADER + line, &base).image), 4300000u);
  EXPECT_EQ(BandBase(ImportChirpCsv(HEADER + Line("1", PLAIN), &base).image), 4400000u);
  EXPECT_EQ(BandBase(ImportChirpCsv(HEADER + Line("1", PLAIN), nullptr).image), 4200000u);
}

TEST(ChirpImport, TheFileDecidesEveryChannelTheBaseOnlyWhatCsvCannotCarry) {
  // Channel 1: flag bits 0x07, a leftover receive CTCSS bit with its byte, a DCS byte 0x05 (shown
  // as 032N) and a squelch byte of no level (shown as level 3). Channels 2 and 4 are not in the
  // file: 2 is in use (7.7 minutes) and is emptied; 4 shows empty and keeps bytes no CSV reaches.
  ChannelImage base = ImageWithChannel(4300000, 1, {4310250, 4310250, 0x4F, 0x05, 0x11, 12, 0});
  base.Record(1)[4] = 77;
  base.Record(3)[9] = 0x47;
  base.Record(3)[10] = 0;
  base.bytes[179] = 0xA5;
  const std::string text =
      HEADER + Line("1", ",0,Cross,88.5,88.5,032,NN,023,DTCS->,NFM", "2.5,3,") + Line("3", PLAIN, ",,");
  const ChirpCsvImport csv = ImportChirpCsv(text, &base);
  ASSERT_TRUE(csv.ok);
  ChannelImage expected = base;
  expected.Record(1)[4] = 50;
  expected.Record(0)[4] = 25;
  expected.Record(0)[9] = 0xCF;  // narrow now; everything else as it was
  std::uint8_t *channel3 = expected.Record(2);
  WriteField24(channel3, 4310250);
  WriteField24(channel3 + 5, 4310250);
  EXPECT_EQ(csv.image.bytes, expected.bytes);
  EXPECT_EQ(csv.emptiedChannels, std::vector<int>{2});
}

}  // namespace
