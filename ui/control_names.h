// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name a screen reader announces for each control of the editor: the text of the label
// beside it, prefixed by its group where the same label stands in both the transmit and the
// receive group; the group's title where the group is the only label; its own text for buttons,
// labels and group boxes.

#include "dialog_template.h"

const char *AccessibleNameOf(const ControlTemplate &control);
