#pragma once

#include "ui/win32/WindowsHeader.h"

#include <vector>

#include "ui/ModelBinding.h"
#include "ui/win32/WindowHost.h"

namespace lanvane {

// Keeps one control window in step with one control model, both ways: model changes reach
// the window through Apply; what the user does to the window (its notifications to the
// dialog) goes through the model's User* entry points, so it raises the same notifications
// as in the headless backend. While a binding copies the model onto its window it ignores
// the notifications the window sends meanwhile (no loops).
class ControlBinding : public ModelBinding {
public:
    ControlBinding(Control& control, HWND window, WindowHost& host);
    ~ControlBinding() override;

    HWND Window() const { return window_; }
    // The windows in which the control's keyboard focus can rest.
    virtual std::vector<HWND> FocusWindows() const { return {window_}; }

    // WM_COMMAND and WM_NOTIFY the control sends its dialog.
    virtual void OnCommand(int /*code*/) {}
    virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }

protected:
    // Messages to the control window itself, before its own procedure sees them; true
    // when taken (result set).
    virtual bool Intercept(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
        return false;
    }

    // The control window and the windows it is made of (the fields of an IP address
    // control, the edit field of a combo), whose focus is watched.
    const std::vector<HWND>& Watched() const { return subclassed_; }
    // Runs a user action against the model, then copies the model back: it may have
    // refused or corrected what the window shows.
    template <class Action>
    void UserAction(Action action) {
        if (Syncing() || host_.Mirroring()) {
            return;
        }
        action();
        SyncAll();
    }

private:
    static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    void WatchFocus(HWND window);
    void ShowEnabled() override;
    void ShowVisible() override;

    HWND window_;
    WindowHost& host_;
    std::vector<HWND> subclassed_;
};

}  // namespace lanvane
