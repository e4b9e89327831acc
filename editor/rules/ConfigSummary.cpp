#include "editor/rules/ConfigSummary.h"

#include <array>

#include "editor/rules/ValueCodes.h"
#include "editor/rules/ValueNames.h"
#include "protocol/AddressText.h"
#include "resources/StringIds.h"

namespace lanvane::rules {
namespace {

bool UsesWepKey(const InterfaceConfig& config) {
    return config.cryptograph == crypt_code::kWep64 || config.cryptograph == crypt_code::kWep128;
}

bool UsesPskKey(const InterfaceConfig& config) {
    const bool pskAuthentication = config.authentication == auth_code::kWpaPsk ||
                                   config.authentication == auth_code::kWpa2Psk;
    const bool pskCryptograph = config.cryptograph == crypt_code::kTkip ||
                                config.cryptograph == crypt_code::kAes ||
                                config.cryptograph == crypt_code::kAesTkip;
    return pskAuthentication && pskCryptograph;
}

bool UsesEap(const InterfaceConfig& config) {
    return config.authentication == auth_code::kWpa || config.authentication == auth_code::kWpa2;
}

std::string Shown(bool shown, const std::string& text) {
    return shown ? text : std::string();
}

std::string AdhocChannelText(std::uint8_t channel) {
    return channel == 0 ? "-" : std::to_string(channel);
}

// The values of rows 1 to 30, in row order.
std::vector<std::string> RowValues(const InterfaceConfig& config, const StringTable& strings) {
    const bool extended = config.version == 2;
    const auto name = [&](ValueTable table, int code) { return ValueText(table, code, strings); };
    return {
        config.printerName,
        std::to_string(config.printerPort),
        config.userId,
        config.userPassword,
        name(ValueTable::onOff, config.https),
        name(ValueTable::onOff, config.telnet),
        name(ValueTable::onOff, config.ftp),
        name(ValueTable::onOff, config.snmp),
        config.setCommunity,
        config.getCommunity,
        AddressText(config.trapIpAddress),
        config.trapCommunity,
        name(ValueTable::networkMode, config.networkMode),
        AdhocChannelText(config.adhocChannel),
        config.ssid,
        std::to_string(config.inactivityTime),
        name(ValueTable::ipAssignment, config.dhcp),
        AddressText(config.ipAddress),
        AddressText(config.subnetMask),
        AddressText(config.gateway),
        name(ValueTable::authentication, config.authentication),
        name(ValueTable::cryptograph, config.cryptograph),
        Shown(UsesWepKey(config), config.wepKey),
        Shown(UsesPskKey(config), config.pskKey),
        UsesEap(config) ? name(ValueTable::eapMode, config.eapMode)
                        : std::string(strings.Text(sid::kEapNone)),
        Shown(UsesEap(config), config.authId),
        Shown(UsesEap(config), config.authPassword),
        Shown(extended, std::to_string(config.p2pConnMode)),
        Shown(extended, config.p2pChannel),
        Shown(extended, config.p2pPinCode),
    };
}

// The record as the printer received it: texts cut to their field widths, and only the
// fields its layout carries.
InterfaceConfig AsWritten(const InterfaceConfig& config) {
    if (RecordSize(config.version) == 0) {
        return config;
    }
    std::array<std::uint8_t, kRecordSizeV2> record{};
    EncodeConfigRecord(config, record.data());
    return DecodeRecordBytes(record.data(), config.version);
}

}  // namespace

std::vector<SummaryRow> ConfigSummaryRows(const InterfaceConfig& config, const StringTable& strings) {
    std::vector<std::string> values = RowValues(AsWritten(config), strings);
    std::vector<SummaryRow> rows;
    rows.reserve(values.size());
    for (int number = 1; number <= kSummaryRowCount; ++number) {
        const int nameId = sid::kSummaryPrinterName + number - 1;
        rows.push_back({number, std::string(strings.Text(nameId)),
                        std::move(values[static_cast<std::size_t>(number - 1)])});
    }
    return rows;
}

}  // namespace lanvane::rules
