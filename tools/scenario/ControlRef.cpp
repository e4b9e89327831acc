#include "tools/scenario/ControlRef.h"

namespace lanvane::scenario {

std::string ControlRef::Describe() const {
    std::string text = std::to_string(controlId);
    if (pageId != 0) {
        text += "@" + std::to_string(pageId);
    }
    return text;
}

}  // namespace lanvane::scenario
