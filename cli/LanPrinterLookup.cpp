#include "cli/LanPrinterLookup.h"

#include "protocol/AddressText.h"
#include "lan/core/LanSearch.h"
#include "resources/StringIds.h"

namespace lanvane::cli {

namespace {

std::string SearchFailure(const LinkError& error, const StringTable& strings) {
    if (error.kind == LinkFailure::Busy && error.operation == "bind") {
        return "The " + error.target +
               " that the search answers to is in use by another program (another search running?).";
    }
    return std::string(strings.Text(sid::kNetworkUnusable)) + "\n" + Describe(error);
}

}  // namespace

std::optional<LanCommandResult> SearchPrinters(const LanCommonOptions& options, LanDeviceLists& lists,
                                               const StringTable& strings, std::string* warning) {
    LanSearch search(options.mode, options.Network(), lists);
    if (RunSearch(search, options.Timings().searchDuration) != UdpResult::Ok) {
        return LanCommandResult{ExitStatus::NoDevice, {}, SearchFailure(search.Socket().LastError(), strings)};
    }
    if (const std::uint32_t dropped = search.Socket().DroppedDatagrams(); dropped > 0 && warning != nullptr) {
        *warning = "The system dropped " + std::to_string(dropped) + " replies; the list may be incomplete.";
    }
    return std::nullopt;
}

PrinterLookup FindPrinter(const LanCommonOptions& options, const std::string& macText, LanDeviceLists& lists,
                          const StringTable& strings) {
    const auto mac = ParseMacText(macText);
    if (!mac) {
        return {0, LanCommandResult{ExitStatus::BadUsage, {}, "Not a MAC address: " + macText}};
    }
    if (auto refusal = SearchPrinters(options, lists, strings, nullptr)) {
        return {0, std::move(refusal)};
    }
    for (int number = 1; const DeviceRecord* record = lists.Nth(options.mode, number); ++number) {
        if (record->mac == *mac) {
            return {number, std::nullopt};
        }
    }
    return {0, LanCommandResult{ExitStatus::NoDevice, {}, "No printer with the MAC address " + LanMacText(*mac) +
                                                             " answered the search."}};
}

}  // namespace lanvane::cli
