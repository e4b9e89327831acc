#include "ui/win32/SimpleBindings.h"

#include <commctrl.h>

#include "platform/win32/WideText.h"
#include "ui/win32/WindowText.h"

namespace lanvane {

void TextBinding::SyncContent() {
    if (WindowText(Window()) != Model().Text()) {
        SetWindowTextW(Window(), win32::Utf8ToWide(Model().Text()).c_str());
    }
}

ButtonBinding::ButtonBinding(PushButton& button, HWND window, WindowHost& host)
    : TextBinding(button, window, host), button_(button) {}

void ButtonBinding::OnCommand(int code) {
    if (code == BN_CLICKED) {
        UserAction([this] { button_.UserClick(); });
    }
}

CheckableBinding::CheckableBinding(CheckableButton& button, HWND window, WindowHost& host)
    : ControlBinding(button, window, host), button_(button) {}

void CheckableBinding::OnCommand(int code) {
    if (code == BN_CLICKED) {
        UserAction([this] { button_.UserClick(); });
    }
}

void CheckableBinding::SyncContent() {
    if (WindowText(Window()) != button_.Text()) {
        SetWindowTextW(Window(), win32::Utf8ToWide(button_.Text()).c_str());
    }
    SendMessageW(Window(), BM_SETCHECK, button_.IsChecked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

IconBinding::IconBinding(Control& icon, HWND window, WindowHost& host) : ControlBinding(icon, window, host) {
    SendMessageW(window, STM_SETICON, reinterpret_cast<WPARAM>(host.Icon()), 0);
}

ProgressBinding::ProgressBinding(ProgressBar& bar, HWND window, WindowHost& host)
    : ControlBinding(bar, window, host), bar_(bar) {}

void ProgressBinding::SyncContent() {
    SendMessageW(Window(), PBM_SETRANGE32, static_cast<WPARAM>(bar_.Lower()), bar_.Upper());
    SendMessageW(Window(), PBM_SETPOS, static_cast<WPARAM>(bar_.GetPos()), 0);
}

}  // namespace lanvane
