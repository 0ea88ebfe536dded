// SPDX-License-Identifier: GPL-3.0-or-later
// The radio link's handlers on the editor window: the "读出" and "写入" buttons and the window
// timers that end a transfer. The transfers themselves live in the link library.

#include "programmer_dlg.h"

void CProgrammerDlg::OnReadClicked() { transfers_.OnReadClicked(); }

void CProgrammerDlg::OnWriteClicked() { transfers_.OnWriteClicked(); }

void CProgrammerDlg::OnTimer(int timerId) { transfers_.OnTimer(timerId); }
