#pragma once

#include "ui/win32/WindowsHeader.h"

#include <map>
#include <memory>
#include <vector>

#include "ui/Dialog.h"
#include "ui/DialogObserver.h"
#include "ui/win32/ControlBinding.h"
#include "ui/win32/DialogWindowHost.h"

namespace lanvane {

// The window of one dialog: a dialog-manager window made from the template's frame (so its
// dialog units come from the template's font), with one bound control window per control.
// A top-level dialog is a window of its own (Escape, Enter and the close box go to the
// model); a page is a child dialog laid over its parent's window at the page's placement.
// It observes the dialog's models while it lives.
class Win32DialogWindow final : private DialogObserver {
public:
    // owner: the window a top-level dialog stands over (or none); for a page, its parent's.
    Win32DialogWindow(Dialog& dialog, Win32DialogWindow* owner, DialogWindowHost& host);
    ~Win32DialogWindow() override;
    Win32DialogWindow(const Win32DialogWindow&) = delete;
    Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

    Dialog& Model() const { return dialog_; }
    HWND Handle() const { return window_; }
    // The control window bound to a control of this dialog (not of its pages), or nullptr.
    HWND WindowOf(int controlId) const;
    HWND WindowOf(const Control& control) const;
    // Shows a top-level window as the innermost modal window, and hides it afterwards.
    void ShowModal();
    void HideModal();
    // Enables the window when its model is enabled and the user may reach it.
    void SyncEnabled();
    // Enter pressed with the focus in focus (a window of this top-level dialog).
    void TakeEnter(HWND focus);

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnControlChanged(const Control& control, ModelChange what, int index) override;
    void OnDialogChanged(const Dialog& dialog, DialogChange what) override;
    void BuildControls();
    void SyncWindow();
    void PlacePage();
    void FitFrame();
    void ShowModelFocus();
    ControlBinding* BindingOf(const Control& control) const;
    ControlBinding* BindingOf(HWND window) const;
    std::vector<const Win32DialogWindow*> WindowTree() const;
    INT_PTR Answer(LRESULT result);

    Dialog& dialog_;
    const bool isPage_;
    Win32DialogWindow* parentWindow_;  // a page's parent window while it lives
    std::vector<Win32DialogWindow*> pages_;
    DialogWindowHost& host_;
    HWND window_ = nullptr;
    std::vector<std::unique_ptr<ControlBinding>> bindings_;
    std::map<const Control*, ControlBinding*> byControl_;
    std::map<HWND, ControlBinding*> byWindow_;
    bool shownModal_ = false;
};

}  // namespace lanvane
