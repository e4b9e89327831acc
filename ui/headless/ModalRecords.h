#pragma once

#include <string>
#include <vector>

#include "ui/FileDialogRequest.h"
#include "ui/MessageBoxRequest.h"

namespace lanvane {

// A message box the headless backend showed, and how it was answered.
struct MessageBoxRecord {
    MessageBoxRequest request;
    bool answered = false;
    int answer = 0;
};

// An open-file dialog the headless backend showed, and the paths it returned.
struct FileDialogRecord {
    FileDialogRequest request;
    bool answered = false;
    std::vector<std::string> paths;
};

}  // namespace lanvane
