#pragma once

#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/FileDialogRequest.h"
#include "ui/MessageBoxRequest.h"

namespace lanvane::scenario {

// What a scenario sees of the running program, whatever backend shows it.
class ScenarioScreen {
public:
    virtual ~ScenarioScreen() = default;
    // The top-level window on top: the innermost modal dialog, or the owner of the message
    // box or file dialog open over it; nullptr when no window is open.
    virtual Dialog* Window() const = 0;
    virtual const MessageBoxRequest* OpenMessageBox() const = 0;
    virtual const FileDialogRequest* OpenFileDialog() const = 0;
    // The main menu has closed.
    virtual bool ProgramEnded() const = 0;
    // The web pages the program asked the desktop to open, in order.
    virtual std::vector<std::string> OpenedUrls() const = 0;
};

}  // namespace lanvane::scenario
