#pragma once

#include <memory>
#include <string>

#include "ui/StepScript.h"

namespace lanvane {

class Control;
class Dialog;

// What the screenshot tour needs of a backend: its script, whether a window shows, the
// user's acts on the real controls, and pictures saved into the tour's folder.
class TourBackend {
public:
    // A picture of the innermost window: whether there was one, where it goes, whether it went.
    struct Picture {
        bool windowFound = false;
        std::string path;
        bool saved = false;
    };

    virtual ~TourBackend() = default;

    // The script that plays the steps in this backend's loops; stuck as for StepScript.
    virtual std::unique_ptr<StepScript> MakeScript(int timeLimitMs, StepScript::Stuck stuck) = 0;
    virtual Dialog* ActiveDialog() const = 0;
    virtual bool Shown(Dialog& dialog) const = 0;
    virtual bool MessageBoxShown() const = 0;
    // Closes the innermost window: true once none is left.
    virtual bool CloseInnermost() = 0;

    // Each acts as the user would; false when there is nothing to act on.
    virtual bool ClickButton(Control& button) = 0;
    virtual bool ClickRow(Control& list, int row) = 0;
    virtual bool SelectTab(Control& tabs, int index) = 0;
    virtual bool AnswerMessageBox() = 0;

    virtual Picture SaveDialogPicture(const std::string& name) = 0;
    virtual Picture SaveMessageBoxPicture(const std::string& name) = 0;

    // How long the search window is let run before its picture, and any window before its
    // picture (a screen draws a moment after the change).
    virtual int SearchShownMs() const = 0;
    virtual int SettleMs() const = 0;
};

}  // namespace lanvane
