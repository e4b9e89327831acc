#include "cli/LanPrinterLookup.h"

#include "protocol/AddressText.h"
#include "lan/core/LanSearch.h"

namespace lanvane::cli {

namespace {

LanCommandResult SearchFailure(const LinkError& error) {
    if (error.kind == LinkFailure::Busy && error.operation == "bind") {
        return LanCommandResult::Failure(ErrorKind::Busy, "the " + error.target +
                                                              " that the search answers to is in use by another "
                                                              "program (another search running?)");
    }
    return LanCommandResult::Failure(ErrorKind::IoError, "the network cannot be used: " + Describe(error));
}

// "lanvane-cli: 2 replies too short to hold a whole device record were dropped (from
// 127.0.10.1, 127.0.10.2)".
void TraceTruncated(const DiscoveryCollector& collector, std::ostream& trace) {
    const int count = collector.TruncatedReplies();
    trace << "lanvane-cli: " << count << (count == 1 ? " reply" : " replies")
          << " too short to hold a whole device record " << (count == 1 ? "was" : "were") << " dropped (from ";
    const char* separator = "";
    for (const std::string& from : collector.TruncatedFrom()) {
        trace << separator << from;
        separator = ", ";
    }
    trace << ")\n";
}

}  // namespace

std::optional<LanCommandResult> SearchPrinters(const LanCommonOptions& options, LanDeviceLists& lists,
                                               std::string* warning) {
    LanSearch search(options.mode, options.Network(), lists);
    if (RunSearch(search, options.Timings().searchDuration) != UdpResult::Ok) {
        return SearchFailure(search.Socket().LastError());
    }
    if (search.Collector().TruncatedReplies() > 0 && options.trace != nullptr) {
        TraceTruncated(search.Collector(), *options.trace);
    }
    if (const std::uint32_t dropped = search.Socket().DroppedDatagrams(); dropped > 0 && warning != nullptr) {
        *warning = "The system dropped " + std::to_string(dropped) + " replies; the list may be incomplete.";
    }
    return std::nullopt;
}

PrinterLookup FindPrinter(const LanCommonOptions& options, const std::string& macText, LanDeviceLists& lists) {
    const auto mac = ParseMacText(macText);
    if (!mac) {
        return {0, LanCommandResult::Failure(ErrorKind::Usage, "--mac " + macText + " is not a MAC address such as 00:1b:7e:3c:4d:5e")};
    }
    if (auto refusal = SearchPrinters(options, lists, nullptr)) {
        return {0, std::move(refusal)};
    }
    for (int number = 1; const DeviceRecord* record = lists.Nth(options.mode, number); ++number) {
        if (record->mac == *mac) {
            return {number, std::nullopt};
        }
    }
    return {0, LanCommandResult::Failure(ErrorKind::NothingFound, "no printer with the MAC address " + LanMacText(*mac) +
                                                                      " answered the search (sent to " +
                                                                      TargetsText(options.targets) + ")")};
}

}  // namespace lanvane::cli
