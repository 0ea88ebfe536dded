// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line as the system gave it. A file name is bytes, and on a disk shared with
// Windows they are often GBK rather than UTF-8; Qt would turn every byte that is no UTF-8 into
// U+FFFD, and the file could no longer be opened by its name. Here each such byte becomes one
// of the lone surrogates U+DC80 to U+DCFF instead (as Python's "surrogateescape" does), which
// QCommandLineParser carries through unharmed and LocalBytes turns back into that byte.

#include <QString>
#include <QStringList>

#include <string>

QStringList ArgumentsOf(int argc, const char *const *argv);

// The bytes an argument (or any part of one) came from; other text in UTF-8.
std::string LocalBytes(const QString &text);
