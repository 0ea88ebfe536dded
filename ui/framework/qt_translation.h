// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts that Qt itself draws for the program (a message box's button, the edits' context
// menu) in Chinese, as the Chinese edition of Windows shows its own: Qt's qtbase_zh_CN
// translation, from Debian's qt6-translations-l10n in Qt's translations folder.

class QCoreApplication;

// Installs the translation into `application`, which keeps it. Only that one file is read.
// False when it is missing or unreadable: Qt's texts then stay English, and nothing else changes.
bool InstallQtTranslation(QCoreApplication &application);
