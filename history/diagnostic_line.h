// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one line the window and zentor-cli write to standard error (and so to the user's journal)
// for an event the message boxes cannot tell: which device, which file, why.

#include <ostream>
#include <string>

// "<program>: <line>", the program's name as the application gives it ("zentor" when it gives
// none). A control character becomes '?', so that a path or device name with a line break in it
// cannot split the event over two lines.
void WriteDiagnosticLine(std::ostream &out, std::string line);
