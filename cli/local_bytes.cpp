// SPDX-License-Identifier: GPL-3.0-or-later
#include "local_bytes.h"

#include <cstring>

namespace {

constexpr char16_t ESCAPE_BASE = 0xDC00;  // + a byte of 0x80 to 0xFF

// The length of the well-formed UTF-8 sequence at `bytes` (RFC 3629: no overlong forms, no
// surrogates, nothing above U+10FFFF), or 0 when it is none.
std::size_t SequenceLength(const unsigned char *bytes, std::size_t left) {
  const unsigned char lead = bytes[0];
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (left < length || bytes[1] < low || bytes[1] > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (bytes[i] < 0x80 || bytes[i] > 0xBF) return 0;
  }
  return length;
}

QString Decoded(const char *argument) {
  const auto *bytes = reinterpret_cast<const unsigned char *>(argument);
  const std::size_t size = std::strlen(argument);
  QString text;
  for (std::size_t at = 0; at < size;) {
    const std::size_t length = SequenceLength(bytes + at, size - at);
    if (length == 0) {
      text.append(QChar(static_cast<char16_t>(ESCAPE_BASE + bytes[at])));
      ++at;
    } else {
      text.append(QString::fromUtf8(argument + at, static_cast<qsizetype>(length)));
      at += length;
    }
  }
  return text;
}

}  // namespace

QStringList ArgumentsOf(int argc, const char *const *argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(Decoded(argv[i]));
  return arguments;
}

std::string LocalBytes(const QString &text) {
  std::string bytes;
  for (qsizetype at = 0; at < text.size(); ++at) {
    const char16_t unit = text.at(at).unicode();
    const bool pair = QChar::isHighSurrogate(unit) && at + 1 < text.size() && text.at(at + 1).isLowSurrogate();
    if (pair) {
      bytes += text.mid(at, 2).toStdString();
      ++at;
    } else if (unit >= ESCAPE_BASE + 0x80 && unit <= ESCAPE_BASE + 0xFF) {
      bytes += static_cast<char>(unit - ESCAPE_BASE);
    } else {
      bytes += QString(QChar(unit)).toStdString();
    }
  }
  return bytes;
}
