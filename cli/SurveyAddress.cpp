#include "cli/SurveyAddress.h"

#include <charconv>

#include "protocol/AddressText.h"

namespace lanvane::cli {

std::optional<SurveyAddress> ParseSurveyAddress(const std::string& text) {
    const std::size_t colon = text.find(':');
    SurveyAddress address{text.substr(0, colon), std::nullopt};
    if (!ParseAddressText(address.host)) {
        return std::nullopt;
    }
    if (colon == std::string::npos) {
        return address;
    }
    const std::string port = text.substr(colon + 1);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (port.empty() || error != std::errc() || end != port.data() + port.size() || value == 0 || value > 65535) {
        return std::nullopt;
    }
    address.port = static_cast<std::uint16_t>(value);
    return address;
}

}  // namespace lanvane::cli
