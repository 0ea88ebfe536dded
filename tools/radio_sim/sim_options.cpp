// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim_options.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <optional>

#include "channel_image.h"

namespace {

struct FaultInfo {
  Fault fault;
  const char *name;
  bool takesArg;
  std::uint32_t defaultArg;
  std::uint32_t maxArg;
};

// The defaults make each fault show itself against a programmer that waits 2000 ms for 187
// bytes: 3000 ms is too late, 100 bytes stop short of the marker at byte 179.
constexpr std::array<FaultInfo, 11> FAULTS = {{
    {Fault::NONE, "none", false, 0, 0},
    {Fault::SILENT, "silent", false, 0, 0},
    {Fault::DELAY, "delay", true, 3000, 600000},
    {Fault::SHORT, "short", true, 100, 187},
    {Fault::ZERO_MARKER, "zero-marker", false, 0, 0},
    {Fault::GARBAGE, "garbage", true, 1, 0xFFFFFFFF},
    {Fault::LONG, "long", true, 16, 65536},
    {Fault::HANGUP, "hangup", true, 50, 187},
    {Fault::PAUSE, "pause", true, 100, 187},
    {Fault::REFUSE, "refuse", false, 0, 0},
    {Fault::MISSTORE, "misstore", true, 4, IMAGE_SIZE - 1},
}};

const FaultInfo *FindFault(const std::string &name) {
  for (const FaultInfo &info : FAULTS) {
    if (name == info.name) return &info;
  }
  return nullptr;
}

const FaultInfo &InfoOf(Fault fault) {
  for (const FaultInfo &info : FAULTS) {
    if (info.fault == fault) return info;
  }
  return FAULTS[0];
}

std::optional<std::uint32_t> ParseCount(const std::string &text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
  if (value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

}  // namespace

const char *FaultName(Fault fault) { return InfoOf(fault).name; }

ParsedOptions ParseSimOptions(int argc, const char *const *argv) {
  ParsedOptions parsed;
  SimOptions &options = parsed.options;
  std::optional<std::uint32_t> faultArg;
  bool faultGiven = false;

  for (int i = 1; i < argc; ++i) {
    std::string flag = argv[i];
    std::optional<std::string> inlineValue;
    const std::size_t equals = flag.find('=');
    if (flag.rfind("--", 0) == 0 && equals != std::string::npos) {
      inlineValue = flag.substr(equals + 1);
      flag.resize(equals);
    }
    auto takeValue = [&]() -> std::optional<std::string> {
      if (inlineValue) return inlineValue;
      if (i + 1 < argc) return std::string(argv[++i]);
      return std::nullopt;
    };
    auto fail = [&](const std::string &message) {
      parsed.error = message;
      return parsed;
    };

    if (flag == "--help" || flag == "-h") {
      options.help = true;
    } else if (flag == "--version") {
      options.version = true;
    } else if (flag == "--no-pacing" || flag == "--once" || flag == "--verbose") {
      if (inlineValue) return fail(flag + " takes no value");
      if (flag == "--no-pacing") options.pacing = false;
      if (flag == "--once") options.once = true;
      if (flag == "--verbose") options.verbose = true;
    } else if (flag == "--link" || flag == "--memory" || flag == "--save" || flag == "--frames") {
      const std::optional<std::string> value = takeValue();
      if (!value || value->empty()) return fail(flag + " needs a file path");
      if (flag == "--link") options.linkPath = *value;
      if (flag == "--memory") options.memoryPath = *value;
      if (flag == "--save") options.savePath = *value;
      if (flag == "--frames") options.framesPath = *value;
    } else if (flag == "--fault") {
      const std::optional<std::string> value = takeValue();
      if (!value) return fail("--fault needs a name");
      if (faultGiven) return fail("only one --fault at a time");
      const FaultInfo *info = FindFault(*value);
      if (info == nullptr) return fail("unknown fault '" + *value + "'");
      options.fault = info->fault;
      faultGiven = true;
    } else if (flag == "--fault-arg") {
      const std::optional<std::string> value = takeValue();
      if (!value) return fail("--fault-arg needs a number");
      faultArg = ParseCount(*value);
      if (!faultArg) return fail("--fault-arg must be a whole number from 0 to 4294967295");
    } else {
      return fail("unknown argument '" + std::string(argv[i]) + "'");
    }
  }

  if (options.help || options.version) return parsed;
  const FaultInfo &info = InfoOf(options.fault);
  if (faultArg && !info.takesArg) {
    parsed.error = std::string("fault '") + info.name + "' takes no --fault-arg";
    return parsed;
  }
  options.faultArg = faultArg.value_or(info.defaultArg);
  if (options.faultArg > info.maxArg) {
    parsed.error = std::string("--fault-arg for '") + info.name + "' must not exceed " +
                   std::to_string(info.maxArg);
  }
  return parsed;
}

std::string SimUsageText(const std::string &programName) {
  return "Usage: " + programName + " [options]\n"
         "A simulated ZENTOR radio on a pseudo-terminal. Prints the device path on the first line\n"
         "of standard output, then answers until SIGTERM or SIGINT.\n"
         "\n"
         "The radio answers the read request FF 00 FF 00 with its 187-byte memory and takes\n"
         "bytes 0..186 of every 188-byte write frame into its memory. It sends nothing else.\n"
         "\n"
         "Options:\n"
         "  --link PATH       also publish the device as a symlink PATH (an existing symlink is\n"
         "                    replaced; the link is removed on exit)\n"
         "  --memory FILE     start from the 187 bytes in FILE instead of the built-in sample\n"
         "  --save FILE       write the memory (187 bytes) to FILE after every stored write frame\n"
         "  --frames FILE     append every received byte to FILE\n"
         "  --no-pacing       send as fast as possible instead of at 2400 baud (4.17 ms a byte)\n"
         "  --once            exit after the first answered request or stored write frame\n"
         "  --verbose         log one line per event to standard error\n"
         "  --fault NAME      misbehave in one way (write frames are still stored):\n"
         "      silent          never answer\n"
         "      delay           answer after N ms                       (default N = 3000)\n"
         "      short           answer only the first N bytes, 0..187   (default N = 100)\n"
         "      zero-marker     answer with byte 179 (the reply marker) set to 0\n"
         "      garbage         answer 187 pseudo-random bytes from seed N; byte 179 is 0 for an\n"
         "                      even N and nonzero for an odd N          (default N = 1)\n"
         "      long            answer the 187 bytes and then N extra bytes (default N = 16)\n"
         "      hangup          send N bytes of the reply, then close the device and exit\n"
         "                      (default N = 50)\n"
         "      pause           send N bytes, fall silent for 1200 ms, send the rest\n"
         "                      (default N = 100)\n"
         "      refuse          publish a path that cannot be opened; no device at all\n"
         "      misstore        store byte N of every write frame with its lowest bit flipped,\n"
         "                      as a radio with a bad memory cell would (default N = 4,\n"
         "                      channel 1's time limit)\n"
         "  --fault-arg N     the N of the fault\n"
         "  --help            show this text\n"
         "  --version         show the version and the licence\n"
         "\n"
         "Exit status: 0 after a signal, --once or hangup; 1 when the device or a file fails;\n"
         "2 for a bad command line.\n";
}
