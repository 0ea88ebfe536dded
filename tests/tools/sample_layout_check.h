// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every memory the simulator starts with by default must satisfy, checked from the raw
// bytes with the record layout spelled out here rather than taken from the simulator's code.

#include "raw_port.h"

// Adds a GoogleTest failure for every rule the bytes break.
void ExpectSampleLayoutRules(const Bytes &memory);
