// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into a readable file descriptor, so the protocol loop can wait
// for a stop request in the same poll() as for the line, without a race.

// Installs the handlers once; returns the descriptor that becomes readable on a stop signal,
// or -1 when the pipe cannot be made.
int InstallStopSignalHandlers();
