#pragma once

#include "ui/win32/WindowsHeader.h"

#include <vector>

#include "ui/Control.h"
#include "ui/ModelChange.h"
#include "ui/win32/WindowHost.h"

namespace lanvane {

// Keeps one control window in step with one control model, both ways: model changes reach
// the window through Apply; what the user does to the window (its notifications to the
// dialog) goes through the model's User* entry points, so it raises the same notifications
// as in the headless backend. While a binding copies the model onto its window it ignores
// the notifications the window sends meanwhile (no loops).
class ControlBinding {
public:
    ControlBinding(Control& control, HWND window, WindowHost& host);
    virtual ~ControlBinding();
    ControlBinding(const ControlBinding&) = delete;
    ControlBinding& operator=(const ControlBinding&) = delete;

    Control& Model() const { return control_; }
    HWND Window() const { return window_; }
    // The windows in which the control's keyboard focus can rest.
    virtual std::vector<HWND> FocusWindows() const { return {window_}; }

    void SyncAll();
    void Apply(ModelChange what, int index);
    // WM_COMMAND and WM_NOTIFY the control sends its dialog.
    virtual void OnCommand(int /*code*/) {}
    virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }

protected:
    virtual void SyncContent() = 0;
    virtual void ApplyContent(ModelChange what, int index);
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
        if (syncing_ || host_.Mirroring()) {
            return;
        }
        action();
        SyncAll();
    }

private:
    static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    void WatchFocus(HWND window);

    Control& control_;
    HWND window_;
    WindowHost& host_;
    std::vector<HWND> subclassed_;
    bool syncing_ = false;
};

}  // namespace lanvane
