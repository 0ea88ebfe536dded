// SPDX-License-Identifier: GPL-3.0-or-later
#include "gbk_length.h"

#include <cerrno>
#include <iconv.h>

namespace {

const iconv_t NO_CONVERTER = reinterpret_cast<iconv_t>(-1);

// One converter for the run; GBK has no shift state, so it can be reused without a reset.
iconv_t Utf8ToGbk() {
  static const iconv_t converter = iconv_open("GBK", "UTF-8");
  return converter;
}

// Length of the UTF-8 sequence that starts with `lead`, 1 for a byte that cannot start one.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

bool IsContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Without the iconv modules: every non-ASCII character is taken as one double-byte character.
std::size_t EstimatedByteCount(const std::string &utf8) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    count += lead < 0x80 ? 1 : 2;
    pos += SequenceLength(lead);
  }
  return count;
}

}  // namespace

std::size_t GbkByteCount(const std::string &utf8) {
  const iconv_t converter = Utf8ToGbk();
  if (converter == NO_CONVERTER) {
    return EstimatedByteCount(utf8);
  }
  std::string input = utf8;
  char *in = input.data();
  std::size_t inLeft = input.size();
  std::size_t count = 0;
  char output[256];
  while (inLeft > 0) {
    char *out = output;
    std::size_t outLeft = sizeof output;
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    count += sizeof output - outLeft;
    if (result != static_cast<std::size_t>(-1)) {
      break;
    }
    if (errno == E2BIG) {
      continue;
    }
    // EILSEQ or EINVAL: a character GBK has no code for, or a broken sequence.
    const std::size_t length = SequenceLength(static_cast<unsigned char>(*in));
    std::size_t skipped = 1;
    while (skipped < length && skipped < inLeft && IsContinuation(in[skipped])) {
      ++skipped;
    }
    in += skipped;
    inLeft -= skipped;
    count += 1;
  }
  return count;
}
