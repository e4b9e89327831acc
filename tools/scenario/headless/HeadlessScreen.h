#pragma once

#include "tools/scenario/ScenarioScreen.h"
#include "ui/headless/HeadlessBackend.h"

namespace lanvane::scenario {

// The screen as the headless backend holds it.
class HeadlessScreen final : public ScenarioScreen {
public:
    explicit HeadlessScreen(const HeadlessBackend& ui) : ui_(ui) {}

    Dialog* Window() const override { return ui_.InnermostWindow(); }
    const MessageBoxRequest* OpenMessageBox() const override;
    const FileDialogRequest* OpenFileDialog() const override;
    bool ProgramEnded() const override { return ui_.ModalDepth() == 0; }
    std::vector<std::string> OpenedUrls() const override { return ui_.OpenedUrls(); }

private:
    const HeadlessBackend& ui_;
};

}  // namespace lanvane::scenario
