// The radio link's handlers on the editor window: the "读出" and "写入" buttons and the window
// timers that end a transfer. They take no action until the read and write transfers are built
// in; the message map and WindowTimers already deliver to them.

#include "programmer_dlg.h"

void CProgrammerDlg::OnReadClicked() {}

void CProgrammerDlg::OnWriteClicked() {}

void CProgrammerDlg::OnTimer(int) {}
