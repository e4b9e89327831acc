#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/TourBackend.h"

namespace lanvane {

// Walks through every window of the running program against the demo printers, as a user
// would (on the real controls), and saves a picture of each, under the same names on every
// backend: the main menu, the search, both device lists with their printers, the network
// setting, the BSS information dialog, the configuration window connected on each of its
// six tabs, a message box and the summary. Ends by closing the main menu.
class ScreenshotTour {
public:
    explicit ScreenshotTour(TourBackend& ui);

    void Start() { script_->Start(); }
    // Every picture was taken and saved.
    bool Succeeded() const { return script_->Finished() && problems_.empty(); }
    const std::vector<std::string>& Saved() const { return saved_; }
    const std::vector<std::string>& Problems() const { return problems_; }

private:
    void Plan();
    void PlanLanRoad(int roadButton, const std::string& modeName);
    void PlanSerialUsbRoad();

    // Script pieces.
    void WaitForDialog(int dialogId);
    void WaitForMessageBox();
    void WaitForRows(int dialogId, int listId);
    void AnswerMessageBox();
    void ShotOfDialog(const std::string& name);
    void ShotOfMessageBox(const std::string& name);
    void Idle(int ms);

    // Steps: a control of the innermost dialog, or of its page with that template id.
    void Click(int controlId, int pageId = 0);
    void ClickRow(int listId, int row);
    // The row whose address column shows address; the first row when none does.
    int RowWithAddress(int listId, const std::string& address) const;
    void SelectTab(int index);

    // The innermost dialog when it is the one with this template id.
    Dialog* Active(int dialogId) const;
    Control* ControlOf(int controlId, int pageId = 0) const;
    void Keep(const TourBackend::Picture& picture, const std::string& missing);
    void Problem(const std::string& problem) { problems_.push_back(problem); }

    TourBackend& ui_;
    std::unique_ptr<StepScript> script_;
    std::vector<std::string> saved_;
    std::vector<std::string> problems_;
};

}  // namespace lanvane
