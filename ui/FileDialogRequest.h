#pragma once

#include <string>

namespace lanvane {

// An open-file dialog. The filter is given as pairs "description|pattern|", e.g.
// "Original Certificate Format (*.*)|*|".
struct FileDialogRequest {
    std::string title;
    std::string filter;
    bool multiSelect = false;
};

}  // namespace lanvane
