#pragma once

#include <cstdint>
#include <string>

namespace lanvane {

enum class MessageBoxIcon : std::uint8_t { None, Exclamation, Information, Error };

// A message box with an OK button.
struct MessageBoxRequest {
    std::string text;
    std::string caption;
    MessageBoxIcon icon = MessageBoxIcon::None;
};

}  // namespace lanvane
