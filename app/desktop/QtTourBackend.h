#pragma once

#include <string>

#include "app/TourBackend.h"
#include "ui/qt/QtBackend.h"

class QWidget;

namespace lanvane {

// The screenshot tour on the Qt widgets: clicks through them, pictures drawn by the widgets.
class QtTourBackend : public TourBackend {
public:
    QtTourBackend(QtBackend& ui, std::string folder) : ui_(ui), folder_(std::move(folder)) {}

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

    // The search window is let show its progress; the widgets draw at once.
    int SearchShownMs() const override { return 500; }
    int SettleMs() const override { return 0; }

private:
    Picture Save(QWidget* window, const std::string& name) const;

    QtBackend& ui_;
    std::string folder_;
};

}  // namespace lanvane
