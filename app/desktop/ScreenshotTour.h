#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/qt/QtBackend.h"
#include "ui/qt/QtScript.h"

namespace lanvane {

// Walks through every window of the running program against the demo printers, as a user
// would (through the widgets), and saves a picture of each into a folder: the main menu,
// the search, both device lists with their printers, the network setting, the BSS
// information dialog, the configuration window connected on each of its six tabs, a
// message box and the summary. Ends by closing the main menu.
class ScreenshotTour {
public:
    ScreenshotTour(QtBackend& ui, std::string folder);

    void Start() { script_.Start(); }
    // Every picture was taken and saved.
    bool Succeeded() const { return script_.Finished() && problems_.empty(); }
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
    // A control of the innermost dialog, or of its page with that template id.
    void Click(int controlId, int pageId = 0);
    void ClickRow(int listId, int row);
    // The row whose address column shows address; the first row when none does.
    int RowWithAddress(int listId, const std::string& address) const;
    void SelectTab(int index);
    void AnswerMessageBox();
    void ShotOfDialog(const std::string& name);
    void ShotOfMessageBox(const std::string& name);

    // The innermost dialog when it is the one with this template id.
    lanvane::Dialog* Active(int dialogId) const;
    QWidget* WidgetOf(int controlId, int pageId = 0) const;
    void Save(QWidget& window, const std::string& name);
    void Problem(const std::string& problem) { problems_.push_back(problem); }

    QtBackend& ui_;
    std::string folder_;
    QtScript script_;
    std::vector<std::string> saved_;
    std::vector<std::string> problems_;
};

}  // namespace lanvane
