#pragma once

#include "tools/scenario/ScenarioScreen.h"
#include "ui/qt/QtBackend.h"

namespace lanvane::scenario {

// The screen as the Qt backend shows it.
class QtScreen final : public ScenarioScreen {
public:
    explicit QtScreen(const QtBackend& ui) : ui_(ui) {}

    Dialog* Window() const override { return ui_.InnermostWindow(); }
    const MessageBoxRequest* OpenMessageBox() const override { return ui_.PendingMessageBox(); }
    const FileDialogRequest* OpenFileDialog() const override { return ui_.PendingFileDialog(); }
    bool ProgramEnded() const override { return ui_.ModalDepth() == 0; }
    std::vector<std::string> OpenedUrls() const override { return ui_.OpenedUrls(); }

private:
    const QtBackend& ui_;
};

}  // namespace lanvane::scenario
