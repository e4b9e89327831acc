#pragma once

#include "tools/scenario/ScenarioScreen.h"
#include "ui/win32/Win32Backend.h"

namespace lanvane::scenario {

// The screen as the Win32 backend shows it.
class Win32Screen final : public ScenarioScreen {
public:
    explicit Win32Screen(const Win32Backend& ui) : ui_(ui) {}

    Dialog* Window() const override { return ui_.InnermostWindow(); }
    const MessageBoxRequest* OpenMessageBox() const override { return ui_.PendingMessageBox(); }
    const FileDialogRequest* OpenFileDialog() const override { return ui_.PendingFileDialog(); }
    bool ProgramEnded() const override { return ui_.ModalDepth() == 0; }
    std::vector<std::string> OpenedUrls() const override { return ui_.OpenedUrls(); }

private:
    const Win32Backend& ui_;
};

}  // namespace lanvane::scenario
