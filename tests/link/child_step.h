// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a step of a test in a child process: as another user, in a PID namespace of its own, or
// where the step might block for good.

#include <functional>
#include <string>

// The text `step` returns in a child process; empty when the child dies first, as it does once
// `limitSeconds` have passed.
std::string TextFromChild(const std::function<std::string()> &step, unsigned limitSeconds = 10);
