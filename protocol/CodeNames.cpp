#include <algorithm>
#include <array>

#include "protocol/FieldText.h"
#include "protocol/InterfaceConfig.h"

namespace lanvane {
namespace {

constexpr std::size_t kP2pChannelWidth = 3;

constexpr std::array<std::string_view, 6> kAuthenticationNames = {
    "Open System", "Shared Key", "WPA-PSK", "WPA2-PSK", "WPA", "WPA2"};
constexpr std::array<std::string_view, 6> kCryptographNames = {
    "NONE", "WEP64", "WEP128", "TKIP", "AES", "AES + TKIP"};
// Code 2, Wi-Fi Direct, has no name in this table.
constexpr std::array<std::string_view, 2> kNetworkModeNames = {"Infra Network", "Adhoc"};
constexpr std::array<std::string_view, 2> kIpAssignmentNames = {
    "Manual allocation", "Automatic Allocation(DHCP)"};
constexpr std::array<std::string_view, 6> kEapModeNames = {
    "EAP-PEAP", "EAP-TTLS", "EAP-TLS", "EAP-LEAP", "EAP-FAST", "NONE"};
constexpr std::array<std::string_view, 2> kEnableNames = {"Disable", "Enable"};
constexpr std::array<std::string_view, 3> kP2pChannels = {"1", "6", "11"};

template <std::size_t N>
std::optional<std::string_view> NameOf(const std::array<std::string_view, N>& names, int code) {
    if (code < 0 || static_cast<std::size_t>(code) >= N) {
        return std::nullopt;
    }
    return names[static_cast<std::size_t>(code)];
}

}  // namespace

std::optional<int> P2pChannelIndex(const std::uint8_t* field3) {
    for (std::size_t index = 0; index < kP2pChannels.size(); ++index) {
        std::array<std::uint8_t, kP2pChannelWidth> padded{};
        TextToField(kP2pChannels[index], padded.data(), padded.size());
        if (std::equal(padded.begin(), padded.end(), field3)) {
            return static_cast<int>(index);
        }
    }
    return std::nullopt;
}

std::optional<int> P2pChannelIndex(std::string_view text) {
    if (text.size() > kP2pChannelWidth) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kP2pChannelWidth> field{};
    TextToField(text, field.data(), field.size());
    return P2pChannelIndex(field.data());
}

std::string_view P2pChannelText(int index) {
    return NameOf(kP2pChannels, index).value_or(std::string_view{});
}

std::optional<std::string_view> AuthenticationName(int code) {
    return NameOf(kAuthenticationNames, code);
}

std::optional<std::string_view> CryptographName(int code) {
    return NameOf(kCryptographNames, code);
}

std::optional<std::string_view> NetworkModeName(int code) {
    return NameOf(kNetworkModeNames, code);
}

std::optional<std::string_view> IpAssignmentName(int dhcp) {
    return NameOf(kIpAssignmentNames, dhcp);
}

std::optional<std::string_view> EapModeName(int code) {
    return NameOf(kEapModeNames, code);
}

std::optional<std::string_view> EnableName(int code) {
    return NameOf(kEnableNames, code);
}

}  // namespace lanvane
