#include "app/win32desktop/Win32TourBackend.h"

#include "ui/win32/UserClicks.h"
#include "ui/win32/Win32Script.h"
#include "ui/win32/WindowPicture.h"

namespace lanvane {

namespace {

bool Visible(HWND window) { return window != nullptr && IsWindowVisible(window) != FALSE; }

}  // namespace

std::unique_ptr<StepScript> Win32TourBackend::MakeScript(int timeLimitMs, StepScript::Stuck stuck) {
    return std::make_unique<Win32Script>(ui_, timeLimitMs, std::move(stuck));
}

bool Win32TourBackend::Shown(Dialog& dialog) const {
    const Win32DialogWindow* window = ui_.WindowOf(dialog);
    return window != nullptr && Visible(window->Handle());
}

HWND Win32TourBackend::MessageBoxWindow() const {
    return ui_.PendingMessageBox() != nullptr ? ui_.SystemDialogWindow() : nullptr;
}

bool Win32TourBackend::MessageBoxShown() const { return Visible(MessageBoxWindow()); }

bool Win32TourBackend::CloseInnermost() {
    ui_.CloseInnermost();
    return ui_.ModalDepth() == 0;
}

bool Win32TourBackend::ClickButton(Control& button) {
    HWND window = ui_.ControlWindow(button);
    if (window == nullptr || !IsWindowEnabled(window)) {
        return false;
    }
    SendMessageW(window, BM_CLICK, 0, 0);
    return true;
}

bool Win32TourBackend::ClickRow(Control& list, int row) {
    HWND window = ui_.ControlWindow(list);
    return window != nullptr && ClickListRow(window, row);
}

bool Win32TourBackend::SelectTab(Control& tabs, int index) {
    HWND window = ui_.ControlWindow(tabs);
    return window != nullptr && ClickTab(window, index);
}

// Posted: the box's own loop takes the click, as it takes a user's.
bool Win32TourBackend::AnswerMessageBox() {
    HWND box = MessageBoxWindow();
    HWND ok = box != nullptr ? GetDlgItem(box, IDOK) : nullptr;
    if (ok == nullptr) {
        return false;
    }
    PostMessageW(ok, BM_CLICK, 0, 0);
    return true;
}

TourBackend::Picture Win32TourBackend::SaveDialogPicture(const std::string& name) {
    Dialog* dialog = ui_.ActiveDialog();
    Win32DialogWindow* window = dialog != nullptr ? ui_.WindowOf(*dialog) : nullptr;
    return Save(window != nullptr ? window->Handle() : nullptr, name);
}

TourBackend::Picture Win32TourBackend::SaveMessageBoxPicture(const std::string& name) {
    return Save(MessageBoxWindow(), name);
}

TourBackend::Picture Win32TourBackend::Save(HWND window, const std::string& name) const {
    if (window == nullptr) {
        return {};
    }
    const std::string path = folder_ + "\\" + name + ".png";
    return {true, path, SaveWindowPicture(window, path)};
}

}  // namespace lanvane
