#pragma once

#include "ui/win32/WindowsHeader.h"

#include <string>

#include "app/TourBackend.h"
#include "ui/win32/Win32Backend.h"

namespace lanvane {

// The screenshot tour on the Win32 controls, driven by their own messages. The pictures are
// taken from the screen, so this needs one (Wine: an X server).
class Win32TourBackend : public TourBackend {
public:
    Win32TourBackend(Win32Backend& ui, std::string folder) : ui_(ui), folder_(std::move(folder)) {}

    std::unique_ptr<StepScript> MakeScript(int timeLimitMs, StepScript::Stuck stuck) override;
    Dialog* ActiveDialog() const override { return ui_.ActiveDialog(); }
    bool Shown(Dialog& dialog) const override;
    bool MessageBoxShown() const override;
    bool CloseInnermost() override;

    bool ClickButton(Control& button) override;
    bool ClickRow(Control& list, int row) override;
    bool SelectTab(Control& tabs, int index) override;
    bool AnswerMessageBox() override;

    Picture SaveDialogPicture(const std::string& name) override;
    Picture SaveMessageBoxPicture(const std::string& name) override;

    // A window just shown or changed is drawn by the X server a moment later.
    int SearchShownMs() const override { return 0; }
    int SettleMs() const override { return 300; }

private:
    HWND MessageBoxWindow() const;
    Picture Save(HWND window, const std::string& name) const;

    Win32Backend& ui_;
    std::string folder_;
};

}  // namespace lanvane
