// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchmark_checks.h"

#include <iostream>
#include <string>

namespace {

bool requirementFailed = false;

}  // namespace

bool Require(benchmark::State &state, bool holds, const char *what) {
  if (!holds) {
    requirementFailed = true;
    std::cerr << "check failed: " << what << '\n';
    state.SkipWithError(what);
  }
  return holds;
}

bool AnyRequirementFailed() { return requirementFailed; }

void SetTargetMicroseconds(benchmark::State &state, int microseconds) {
  state.SetLabel("target " + std::to_string(microseconds) + " us");
}
