#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lanvane::win32 {

struct UsbIds {
    std::string vendorId;   // four upper-case hexadecimal digits
    std::string productId;  // four upper-case hexadecimal digits
};

// The vendor and product ids in a USB device interface path
// ("\\?\usb#vid_04b8&pid_002b#...#{...}"), in any letter case; nothing when the path
// does not hold both.
std::optional<UsbIds> UsbIdsOfInterfacePath(std::string_view path);

}  // namespace lanvane::win32
