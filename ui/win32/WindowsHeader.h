#pragma once

// The system's header without those of its A/W switch macros that share their names with
// the dialog layer's classic calls (dialog.MessageBox, SetDlgItemText, ...): with them a
// call to the dialog would become a call to a member that does not exist. The backend
// calls the system's W forms by name.
#include <windows.h>

#undef GetDlgItemText
#undef GetWindowText
#undef MessageBox
#undef SetDlgItemText
#undef SetWindowText
