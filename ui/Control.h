#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "resources/DialogTemplate.h"
#include "ui/ControlHost.h"

namespace lanvane {

// The model of one control of a dialog, addressed by its id. Program calls (SetText,
// Enable, ...) change the model silently; the User* entry points act as the user would
// and raise the notifications the user's action raises. Backends call the User* entry
// points for their widgets' edits, and headless drivers call them for scripted input.
class Control {
public:
    Control(ControlHost& host, const ControlTemplate& source);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int Id() const { return id_; }
    ControlKind Kind() const { return kind_; }
    bool HasStyle(std::uint32_t flag) const { return (styles_ & flag) != 0; }
    DialogRect Rect() const { return rect_; }

    const std::string& Text() const { return text_; }
    virtual void SetText(std::string_view text);

    bool IsEnabled() const { return enabled_; }
    void Enable(bool enable);
    bool IsVisible() const { return visible_; }
    void Show(bool show);

    bool HasFocus() const { return host_.HasFocus(*this); }
    // Whether the keyboard focus can rest here (labels, group boxes and bars cannot).
    bool CanTakeFocus() const;
    // Told by the dialog when the focus arrives here or leaves.
    virtual void FocusChanged(bool gained);

    // Whether the user can act on the control now: it is enabled and visible, and its
    // dialog is shown, enabled and not behind another modal window.
    bool AcceptsUserInput() const { return host_.AcceptsUserInput(*this); }
    // The user moves the focus here (tab key or mouse). False when the control refuses input.
    bool UserFocus();
    // The user clicks the control. False when it refuses input or has nothing to click.
    virtual bool UserClick();

protected:
    void Raise(Notification code) { host_.RaiseCommand(*this, code); }
    bool RaiseNotify(const NotifyMessage& message) { return host_.RaiseNotify(*this, message); }
    void Changed(ModelChange what, int index = -1) const { host_.ModelChanged(*this, what, index); }
    ControlHost& Host() { return host_; }
    // Replaces the text and tells observers, without any notification.
    void StoreText(std::string text);

private:
    ControlHost& host_;
    int id_;
    ControlKind kind_;
    std::uint32_t styles_;
    DialogRect rect_;
    std::string text_;
    bool enabled_;
    bool visible_;
};

}  // namespace lanvane
