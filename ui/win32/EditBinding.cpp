#include "ui/win32/EditBinding.h"

#include "platform/win32/WideText.h"
#include "ui/win32/WindowText.h"

namespace lanvane {

EditBinding::EditBinding(EditControl& edit, HWND window, WindowHost& host)
    : ControlBinding(edit, window, host), edit_(edit) {}

void EditBinding::OnCommand(int code) {
    if (code == EN_CHANGE) {
        UserAction([this] { edit_.UserReplaceText(WindowText(Window())); });
    }
}

void EditBinding::SyncContent() {
    SendMessageW(Window(), EM_SETREADONLY, edit_.IsReadOnly() ? TRUE : FALSE, 0);
    SendMessageW(Window(), EM_SETLIMITTEXT, static_cast<WPARAM>(edit_.TextLimit()), 0);
    if (WindowText(Window()) != edit_.Text()) {
        DWORD start = 0;
        SendMessageW(Window(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
        SetWindowTextW(Window(), win32::Utf8ToWide(edit_.Text()).c_str());
        SendMessageW(Window(), EM_SETSEL, start, start);
    }
}

}  // namespace lanvane
