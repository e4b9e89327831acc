#pragma once

#include "tools/scenario/ScenarioScreen.h"

namespace lanvane::scenario {

// The screen as a real backend (Qt, Win32) shows it: both tell the same things by the same names.
template <class Backend>
class BackendScreen final : public ScenarioScreen {
public:
    explicit BackendScreen(const Backend& ui) : ui_(ui) {}

    Dialog* Window() const override { return ui_.InnermostWindow(); }
    const MessageBoxRequest* OpenMessageBox() const override { return ui_.PendingMessageBox(); }
    const FileDialogRequest* OpenFileDialog() const override { return ui_.PendingFileDialog(); }
    bool ProgramEnded() const override { return ui_.ModalDepth() == 0; }
    std::vector<std::string> OpenedUrls() const override { return ui_.OpenedUrls(); }

private:
    const Backend& ui_;
};

}  // namespace lanvane::scenario
