#include "cli/SetIpCommand.h"

#include "cli/LanDeviceJson.h"
#include "cli/LanPrinterLookup.h"
#include "protocol/AddressText.h"
#include "lan/core/BaudTable.h"
#include "lan/core/LanSetting.h"
#include "lan/core/NetworkSettingRules.h"
#include "resources/StringIds.h"

#include <tuple>

namespace lanvane::cli {
namespace {

LanCommandResult BadUsage(std::string message) {
    return {ExitStatus::BadUsage, {}, std::move(message)};
}

// Takes an address option into `address`; a refusal when it is not "a.b.c.d".
std::optional<LanCommandResult> TakeAddress(const std::optional<std::string>& text, const char* name,
                                            std::uint32_t& address) {
    if (!text) {
        return std::nullopt;
    }
    const auto parsed = ParseAddressText(*text);
    if (!parsed) {
        return BadUsage(std::string("--") + name + " is not an address a.b.c.d: " + *text);
    }
    address = *parsed;
    return std::nullopt;
}

// The printer's values with the options laid over them.
std::optional<LanCommandResult> ApplyOptions(const SetIpOptions& options, NetworkSettingValues& values) {
    for (const auto& [text, name, address] : {std::tuple{&options.ip, "ip", &values.ip},
                                              std::tuple{&options.mask, "mask", &values.subnet},
                                              std::tuple{&options.gateway, "gateway", &values.gateway}}) {
        if (auto refusal = TakeAddress(*text, name, *address)) {
            return refusal;
        }
    }
    values.dhcp = options.dhcp.value_or(values.dhcp);
    values.localPort = options.port.value_or(values.localPort);
    values.inactivity = options.inactivity.value_or(values.inactivity);
    if (options.baud) {
        const auto index = BaudIndexOfRate(*options.baud);
        if (!index) {
            return BadUsage("--baud is not a rate the printer offers: " + std::to_string(*options.baud));
        }
        values.baudIndex = *index;
    }
    return std::nullopt;
}

LanCommandResult Report(const SetIpOptions& options, const LanDeviceLists& lists, int number,
                        Confirmation confirmation, const StringTable& strings) {
    const bool confirmed = confirmation != Confirmation::None;
    const int messageId = confirmed ? ConfirmationMessage(confirmation) : sid::kLanSettingNotConfirmed;
    std::string output;
    if (options.lan.json) {
        const nlohmann::ordered_json document = {
            {"confirmed", confirmed}, {"device", DeviceToJson(lists, options.lan.mode, number)}};
        output = document.dump(2) + '\n';
    }
    return {confirmed ? ExitStatus::Done : ExitStatus::PrinterFailed, output, std::string(strings.Text(messageId))};
}

}  // namespace

LanCommandResult RunSetIp(const SetIpOptions& options, const StringTable& strings) {
    LanDeviceLists lists;
    const PrinterLookup lookup = FindPrinter(options.lan, options.mac, lists, strings);
    if (lookup.refusal) {
        return *lookup.refusal;
    }
    DeviceRecord& record = *lists.Nth(options.lan.mode, lookup.number);
    NetworkSettingValues values = SettingValuesOf(record);
    if (auto refusal = ApplyOptions(options, values)) {
        return *refusal;
    }
    if (const SaveOutcome outcome = ApplySettingValues(values, record); outcome != SaveOutcome::Send) {
        return BadUsage(std::string(strings.Text(SaveOutcomeMessage(outcome))));
    }
    LanSetting setting(options.lan.mode, options.lan.Network());
    if (setting.Send(SetDatagramOf(options.lan.mode, lists, lookup.number)) != UdpResult::Ok) {
        return {ExitStatus::NoDevice, {}, std::string(strings.Text(sid::kNetworkUnusable))};
    }
    const Confirmation confirmation =
        AwaitConfirmation(setting, options.lan.Timings().ConfirmationWait(options.lan.mode));
    return Report(options, lists, lookup.number, confirmation, strings);
}

}  // namespace lanvane::cli
