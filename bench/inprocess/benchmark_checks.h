// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A benchmark that measures the wrong thing is worse than none: each benchmark checks once,
// outside its timed loop, that the operation did what it should, and a failed check makes the
// whole run exit non-zero.

#include <benchmark/benchmark.h>

// Marks the benchmark as failed with `what` when `holds` is false; returns `holds`.
bool Require(benchmark::State &state, bool holds, const char *what);

// True once any Require has failed in this run.
bool AnyRequirementFailed();

// Labels the benchmark with the time it should stay under, so the table and its Markdown form
// carry the target beside the figure. Nothing asserts it: timings vary with the machine's load.
void SetTargetMicroseconds(benchmark::State &state, int microseconds);
