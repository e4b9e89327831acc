#pragma once

#include "ui/CheckableButton.h"
#include "ui/Control.h"
#include "ui/ProgressBar.h"
#include "ui/PushButton.h"
#include "ui/win32/ControlBinding.h"

// The bindings of the simple controls: each takes the model's text or state to its window
// and, where the user can act on it, the user's action to the model.
namespace lanvane {

// A control that shows the model's text and nothing else the user can change: a push
// button (whose click goes to the model), a group box, a static text.
class TextBinding : public ControlBinding {
public:
    using ControlBinding::ControlBinding;

protected:
    void SyncContent() override;
};

class ButtonBinding final : public TextBinding {
public:
    ButtonBinding(PushButton& button, HWND window, WindowHost& host);

    void OnCommand(int code) override;

private:
    PushButton& button_;
};

// A check box or radio button made without the system's automatic marking: the model
// decides (a radio clears the others of its template group).
class CheckableBinding final : public ControlBinding {
public:
    CheckableBinding(CheckableButton& button, HWND window, WindowHost& host);

    void OnCommand(int code) override;

private:
    void SyncContent() override;

    CheckableButton& button_;
};

// An icon control: the application icon.
class IconBinding final : public ControlBinding {
public:
    IconBinding(Control& icon, HWND window, WindowHost& host);

private:
    void SyncContent() override {}
};

class ProgressBinding final : public ControlBinding {
public:
    ProgressBinding(ProgressBar& bar, HWND window, WindowHost& host);

private:
    void SyncContent() override;

    ProgressBar& bar_;
};

}  // namespace lanvane
