#pragma once

#include <string>

namespace lanvane::scenario {

// A control as a scenario names it: its id, and optionally the page (template id) that
// holds it, written "1041@149".
struct ControlRef {
    int controlId = 0;
    int pageId = 0;  // 0: the window first, then its pages

    std::string Describe() const;
    bool operator==(const ControlRef&) const = default;
};

}  // namespace lanvane::scenario
