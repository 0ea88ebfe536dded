// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A broken property ends the run the way a crash does, so libFuzzer saves the input that
// broke it and stops with a non-zero exit code.

#include <cstdio>
#include <cstdlib>

inline void FuzzCheck(bool holds, const char *property) {
  if (!holds) {
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
  }
}
