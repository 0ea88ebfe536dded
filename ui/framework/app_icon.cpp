// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_icon.h"

#include <QString>

// The resources live in a static library; naming their initialiser keeps the linker from
// dropping them.
static void InitIconResources() {
  static bool registered = false;
  if (!registered) {
    Q_INIT_RESOURCE(icons);
    registered = true;
  }
}

QIcon LoadAppIcon() {
  InitIconResources();
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/zentor-32.png"), QSize(32, 32));
  icon.addFile(QStringLiteral(":/icons/zentor-16.png"), QSize(16, 16));
  return icon;
}
