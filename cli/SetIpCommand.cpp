#include "cli/SetIpCommand.h"

#include "cli/ConfigDiff.h"
#include "cli/LanDeviceJson.h"
#include "cli/LanPrinterLookup.h"
#include "cli/Outcome.h"
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

// The printer other than `number` that holds the fixed address `record` is to take.
std::optional<std::string> AddressHolder(const LanDeviceLists& lists, LanMode mode, int number,
                                         const DeviceRecord& record) {
    if (record.dhcp != 0 || record.ip == 0) {
        return std::nullopt;
    }
    for (int other = 1; const DeviceRecord* found = lists.Nth(mode, other); ++other) {
        if (other != number && found->dhcp == 0 && found->ip == record.ip) {
            return LanMacText(found->mac);
        }
    }
    return std::nullopt;
}

std::string_view OutcomeMessage(Outcome outcome, Confirmation confirmation, const StringTable& strings) {
    switch (outcome) {
        case Outcome::Unchanged: return "unchanged: the printer already holds these settings; nothing was sent";
        case Outcome::WouldSend: return "would-send: a dry run, nothing was sent";
        case Outcome::Set: return strings.Text(ConfirmationMessage(confirmation));
        default: return strings.Text(sid::kLanSettingNotConfirmed);
    }
}

LanCommandResult Report(const SetIpOptions& options, const nlohmann::ordered_json& before, const LanDeviceLists& lists,
                        int number, Outcome outcome, Confirmation confirmation, const StringTable& strings) {
    const nlohmann::ordered_json after = DeviceToJson(lists, options.lan.mode, number);
    std::string output;
    if (options.lan.json) {
        output = DocumentText({{"macAddress", after["macAddress"]},
                               {"outcome", OutcomeName(outcome)},
                               {"changed", outcome != Outcome::Unchanged},
                               {"confirmed", outcome == Outcome::Set},
                               {"differences", ChangesToJson(DiffConfigs(before, after), false)},
                               {"device", after}});
    }
    return {Succeeded(outcome) ? ExitStatus::Done : ExitStatus::PrinterFailed, output,
            ShellWords(OutcomeMessage(outcome, confirmation, strings)), ErrorKind::NoReply};
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
    const LanMode mode = options.lan.mode;
    const nlohmann::ordered_json before = DeviceToJson(lists, mode, lookup.number);
    DeviceRecord& record = *lists.Nth(mode, lookup.number);
    const DeviceRecord found = record;
    const NetworkSettingValues values = LayOver(changes, SettingValuesOf(record));
    if (const SaveOutcome outcome = ApplySettingValues(values, record); outcome != SaveOutcome::Send) {
        return LanCommandResult::Failure(ErrorKind::InvalidValue, SettingRefusalText(outcome, values, record, strings));
    }
    if (record == found) {
        return Report(options, before, lists, lookup.number, Outcome::Unchanged, Confirmation::None, strings);
    }
    if (const auto holder = AddressHolder(lists, mode, lookup.number, record)) {
        return LanCommandResult::Failure(ErrorKind::InvalidValue, AddressText(record.ip) +
                                                                      " is already the address of the printer " +
                                                                      *holder + "; nothing was sent");
    }
    if (options.dryRun) {
        return Report(options, before, lists, lookup.number, Outcome::WouldSend, Confirmation::None, strings);
    }
    LanSetting setting(mode, options.lan.Network());
    if (setting.Send(SetDatagramOf(mode, lists, lookup.number), lists.From(mode, lookup.number)) != UdpResult::Ok) {
        return LanCommandResult::Failure(ErrorKind::IoError,
                                         "the setting could not be sent: " + Describe(setting.Socket().LastError()));
    }
    const Confirmation confirmation = AwaitConfirmation(setting, options.lan.Timings().ConfirmationWait(mode));
    return Report(options, before, lists, lookup.number,
                  confirmation != Confirmation::None ? Outcome::Set : Outcome::NotConfirmed, confirmation, strings);
}

}  // namespace lanvane::cli
