// SPDX-License-Identifier: GPL-3.0-or-later
#include "embedded_font.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>
#include <QString>

// The resources live in a static library; naming their initialiser keeps the linker from
// dropping them. Outside the unnamed namespace, which would hide the initialiser's name.
static void InitFontResources() {
  static bool registered = false;
  if (!registered) {
    Q_INIT_RESOURCE(fonts);
    registered = true;
  }
}

namespace {

QByteArray EmbeddedFontData() {
  InitFontResources();
  const QResource resource(QString::fromLatin1(EMBEDDED_FONT_RESOURCE));
  if (!resource.isValid()) {
    return {};
  }
  if (resource.compressionAlgorithm() != QResource::NoCompression) {
    return resource.uncompressedData();
  }
  // Not copied: the font stays where it lies in the executable, which outlives every use.
  return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()),
                                 static_cast<qsizetype>(resource.size()));
}

}  // namespace

bool RegisterEmbeddedFont() {
  static int fontId = -1;
  if (fontId >= 0 && !QFontDatabase::applicationFontFamilies(fontId).isEmpty()) {
    return true;
  }
  const QByteArray data = EmbeddedFontData();
  fontId = data.isEmpty() ? -1 : QFontDatabase::addApplicationFontFromData(data);
  return fontId >= 0 && QFontDatabase::applicationFontFamilies(fontId).contains(
                            QString::fromUtf8(EMBEDDED_FONT_FAMILY));
}
