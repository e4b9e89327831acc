#include "link/win32/UsbInterfacePath.h"

#include <algorithm>
#include <cctype>

namespace lanvane::win32 {
namespace {

std::string Upper(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    return upper;
}

// The four hexadecimal digits after `tag` ("VID_") in the upper-cased path.
std::optional<std::string> IdAfter(const std::string& path, std::string_view tag) {
    const std::size_t at = path.find(tag);
    if (at == std::string::npos || path.size() < at + tag.size() + 4) {
        return std::nullopt;
    }
    std::string id = path.substr(at + tag.size(), 4);
    const bool hex = std::all_of(id.begin(), id.end(),
                                 [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
    return hex ? std::optional<std::string>(std::move(id)) : std::nullopt;
}

}  // namespace

std::optional<UsbIds> UsbIdsOfInterfacePath(std::string_view path) {
    const std::string upper = Upper(path);
    std::optional<std::string> vendorId = IdAfter(upper, "VID_");
    std::optional<std::string> productId = IdAfter(upper, "PID_");
    if (!vendorId || !productId) {
        return std::nullopt;
    }
    return UsbIds{std::move(*vendorId), std::move(*productId)};
}

}  // namespace lanvane::win32
