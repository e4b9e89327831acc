#include "rules/ConfigSummary.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "protocol/AddressText.h"
#include "rules/ValueCodes.h"
#include "rules/ValueNames.h"
#include "resources/StringIds.h"

namespace lanvane::rules {

namespace {

// Field widths of the record.
constexpr std::size_t kPrinterNameWidth = 64;
constexpr std::size_t kUserWidth = 32;
constexpr std::size_t kCommunityWidth = 16;
constexpr std::size_t kSsidWidth = 32;
constexpr std::size_t kWepKeyWidth = 26;
constexpr std::size_t kPskKeyWidth = 64;
constexpr std::size_t kCredentialWidth = 32;
constexpr std::size_t kP2pChannelWidth = 3;
constexpr std::size_t kP2pPinWidth = 9;

std::string FieldText(std::string_view text, std::size_t width) {
    return std::string(text.substr(0, std::min(text.find('\0'), width)));
}

std::vector<std::string> ValueTexts(const InterfaceConfig& config, const StringTable& strings) {
    const auto onOff = [&strings](int code) { return ValueText(ValueTable::onOff, code, strings); };
    const bool eap = IsEapKind(config.authentication);
    const bool extended = config.version == 2;
    return {
        FieldText(config.printerName, kPrinterNameWidth),
        std::to_string(config.printerPort),
        FieldText(config.userId, kUserWidth),
        FieldText(config.userPassword, kUserWidth),
        onOff(config.https),
        onOff(config.telnet),
        onOff(config.ftp),
        onOff(config.snmp),
        FieldText(config.setCommunity, kCommunityWidth),
        FieldText(config.getCommunity, kCommunityWidth),
        AddressText(config.trapIpAddress),
        FieldText(config.trapCommunity, kCommunityWidth),
        ValueText(ValueTable::networkMode, config.networkMode, strings),
        config.adhocChannel == 0 ? std::string("-") : std::to_string(config.adhocChannel),
        FieldText(config.ssid, kSsidWidth),
        std::to_string(config.inactivityTime),
        ValueText(ValueTable::ipAssignment, config.dhcp, strings),
        AddressText(config.ipAddress),
        AddressText(config.subnetMask),
        AddressText(config.gateway),
        ValueText(ValueTable::authentication, config.authentication, strings),
        ValueText(ValueTable::cryptograph, config.cryptograph, strings),
        IsWepCryptograph(config.cryptograph) ? FieldText(config.wepKey, kWepKeyWidth) : std::string(),
        IsWpaCryptograph(config.cryptograph) && IsPskKind(config.authentication)
            ? FieldText(config.pskKey, kPskKeyWidth)
            : std::string(),
        eap ? ValueText(ValueTable::eapMode, config.eapMode, strings)
            : std::string(strings.Text(sid::kEapNone)),
        eap ? FieldText(config.authId, kCredentialWidth) : std::string(),
        eap ? FieldText(config.authPassword, kCredentialWidth) : std::string(),
        extended ? std::to_string(config.p2pConnMode) : std::string(),
        extended ? FieldText(config.p2pChannel, kP2pChannelWidth) : std::string(),
        extended ? FieldText(config.p2pPinCode, kP2pPinWidth) : std::string(),
    };
}

}  // namespace

std::vector<ConfigSummaryRow> ConfigSummaryRows(const InterfaceConfig& config, const StringTable& strings) {
    std::vector<std::string> values = ValueTexts(config, strings);
    std::vector<ConfigSummaryRow> rows;
    rows.reserve(kConfigSummaryRowCount);
    for (std::size_t index = 0; index < values.size(); ++index) {
        rows.push_back({std::string(strings.Text(sid::kSummaryPrinterName + static_cast<int>(index))),
                        std::move(values[index])});
    }
    return rows;
}

}  // namespace lanvane::rules
