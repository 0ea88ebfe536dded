// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one QApplication of a GUI test program, created on first use.

class QApplication;

QApplication &TestApplication();
