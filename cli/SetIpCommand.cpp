#include "cli/SetIpCommand.h"

#include "cli/LanDeviceJson.h"
#include "cli/LanPrinterLookup.h"
#include "cli/Reporter.h"
#include "cli/SettingChanges.h"
#include "cli/SettingRefusal.h"
#include "protocol/AddressText.h"
#include "lan/core/BaudTable.h"
#include "lan/core/LanSetting.h"
#include "lan/core/NetworkSettingRules.h"
#include "resources/StringIds.h"

#include <tuple>

namespace lanvane::cli {
namespace {

LanCommandResult BadUsage(std::string message) {
    return LanCommandResult::Failure(ErrorKind::Usage, std::move(message));
}

// Takes an address option into `address`; a refusal when it is not "a.b.c.d".
std::optional<LanCommandResult> TakeAddress(const std::optional<std::string>& text, const char* name,
                                            std::optional<std::uint32_t>& address) {
    if (!text) {
        return std::nullopt;
    }
    address = ParseAddressText(*text);
    if (!address) {
        return BadUsage(std::string("--") + name + " is not an address a.b.c.d: " + *text);
    }
    return std::nullopt;
}

// The options as changes; a refusal for an address or rate that is not one.
std::optional<LanCommandResult> TakeOptions(const SetIpOptions& options, SettingChanges& changes) {
    for (const auto& [text, name, address] : {std::tuple{&options.ip, "ip", &changes.ip},
                                              std::tuple{&options.mask, "mask", &changes.mask},
                                              std::tuple{&options.gateway, "gateway", &changes.gateway}}) {
        if (auto refusal = TakeAddress(*text, name, *address)) {
            return refusal;
        }
    }
    changes.dhcp = options.dhcp;
    changes.port = options.port;
    changes.inactivity = options.inactivity;
    if (options.baud) {
        changes.baudIndex = BaudIndexOfRate(*options.baud);
        if (!changes.baudIndex) {
            return BadUsage("--baud is not a rate the printer offers: " + std::to_string(*options.baud));
        }
    }
    return std::nullopt;
}

LanCommandResult Report(const SetIpOptions& options, const LanDeviceLists& lists, int number,
                        Confirmation confirmation, const StringTable& strings) {
    const bool confirmed = confirmation != Confirmation::None;
    const int messageId = confirmed ? ConfirmationMessage(confirmation) : sid::kLanSettingNotConfirmed;
    std::string output;
    if (options.lan.json) {
        output = DocumentText({{"confirmed", confirmed}, {"device", DeviceToJson(lists, options.lan.mode, number)}});
    }
    return {confirmed ? ExitStatus::Done : ExitStatus::PrinterFailed, output, ShellWords(strings.Text(messageId)),
            ErrorKind::NoReply};
}

}  // namespace

LanCommandResult RunSetIp(const SetIpOptions& options, const StringTable& strings) {
    SettingChanges changes;
    if (auto refusal = TakeOptions(options, changes)) {
        return *refusal;
    }
    LanDeviceLists lists;
    const PrinterLookup lookup = FindPrinter(options.lan, options.mac, lists);
    if (lookup.refusal) {
        return *lookup.refusal;
    }
    DeviceRecord& record = *lists.Nth(options.lan.mode, lookup.number);
    const NetworkSettingValues values = LayOver(changes, SettingValuesOf(record));
    if (const SaveOutcome outcome = ApplySettingValues(values, record); outcome != SaveOutcome::Send) {
        return LanCommandResult::Failure(ErrorKind::InvalidValue, SettingRefusalText(outcome, values, record, strings));
    }
    const LanMode mode = options.lan.mode;
    LanSetting setting(mode, options.lan.Network());
    if (setting.Send(SetDatagramOf(mode, lists, lookup.number), lists.From(mode, lookup.number)) != UdpResult::Ok) {
        return LanCommandResult::Failure(ErrorKind::IoError,
                                         "the setting could not be sent: " + Describe(setting.Socket().LastError()));
    }
    const Confirmation confirmation =
        AwaitConfirmation(setting, options.lan.Timings().ConfirmationWait(options.lan.mode));
    return Report(options, lists, lookup.number, confirmation, strings);
}

}  // namespace lanvane::cli
