// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Command line of the simulated radio: what it answers with, where it publishes its line and
// which fault it plays.

#include <cstdint>
#include <string>

enum class Fault {
  NONE,
  SILENT,       // never answers a read request
  DELAY,        // answers after faultArg milliseconds
  SHORT,        // answers only the first faultArg bytes
  ZERO_MARKER,  // answers with the reply marker (byte 179) cleared
  GARBAGE,      // answers 187 pseudo-random bytes seeded with faultArg
  LONG,         // answers the 187 bytes followed by faultArg extra bytes
  HANGUP,       // sends faultArg bytes of the reply, then the device disappears
  PAUSE,        // sends faultArg bytes of the reply, falls silent for PAUSE_FAULT_GAP, sends the rest
  REFUSE,       // publishes a path that cannot be opened
  MISSTORE,     // stores image byte faultArg of every write frame with its lowest bit flipped
};

struct SimOptions {
  std::string linkPath;    // --link: symlink to the device, empty for none
  std::string memoryPath;  // --memory: 187-byte file to start from, empty for the sample
  std::string savePath;    // --save: memory written here after every stored write frame
  std::string framesPath;  // --frames: every received byte appended here
  Fault fault = Fault::NONE;
  std::uint32_t faultArg = 0;
  bool pacing = true;
  bool once = false;
  bool verbose = false;
  bool help = false;
  bool version = false;
};

struct ParsedOptions {
  SimOptions options;
  std::string error;  // empty when the command line was accepted
};

ParsedOptions ParseSimOptions(int argc, const char *const *argv);

// The --help text.
std::string SimUsageText(const std::string &programName);

const char *FaultName(Fault fault);
