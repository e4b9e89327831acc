#pragma once

#include "ui/win32/WindowsHeader.h"

#include <string>
#include <vector>

#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Script.h"

namespace lanvane {

class Dialog;

// Walks through every window of the running program against the demo printers, as a user
// would (clicks on the real controls), and saves a picture of each into a folder, under the
// same names as the Qt program's tour: the main menu, the search, both device lists with
// their printers, the network setting, the BSS information dialog, the configuration window
// on each of its six tabs, a message box and the summary. Ends by closing the main menu.
// The pictures are taken from the screen, so this needs one (Wine: an X server).
class Win32ScreenshotTour {
public:
    Win32ScreenshotTour(Win32Backend& ui, std::string folder);

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
    void ShotOfDialog(const std::string& name);
    void ShotOfMessageBox(const std::string& name);
    void AnswerMessageBox();

    // Steps: a control of the innermost dialog, or of its page with that template id.
    void Click(int controlId, int pageId = 0);
    void ClickRow(int listId, int row);
    // The row whose address column shows address; the first row when none does.
    int RowWithAddress(int listId, const std::string& address) const;
    void SelectTab(int index);

    // The innermost dialog when it is the one with this template id.
    Dialog* Active(int dialogId) const;
    HWND WindowOf(int controlId, int pageId = 0) const;
    void Shot(HWND window, const std::string& name);
    void Problem(const std::string& problem) { problems_.push_back(problem); }

    Win32Backend& ui_;
    std::string folder_;
    Win32Script script_;
    std::vector<std::string> saved_;
    std::vector<std::string> problems_;
};

}  // namespace lanvane
