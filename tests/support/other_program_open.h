// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a device the way another, unprivileged program would.

#include <string>

// Opens `path` from a process without privileges, as another program would, and returns the
// errno of the open (0 when it succeeded). Root forks a child that drops to "nobody" first,
// since exclusive mode does not hold against privileged processes.
int OpenErrorForOtherProgram(const std::string &path);
