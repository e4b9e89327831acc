#pragma once

#include "lan/core/DiscoveryDatagrams.h"
#include "lan/core/LanDeviceLists.h"
#include "lan/core/LanMode.h"

#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>

namespace lanvane {

// Gathers the replies of one search into the device list of its mode, one entry per MAC
// address: a printer whose reply reaches the program twice (two interfaces, a repeated
// broadcast) is listed once, with its first reply. A reply cut short is dropped and
// counted, never listed: its missing values would go back to the printer as zeros.
class DiscoveryCollector {
public:
    DiscoveryCollector(LanMode mode, LanDeviceLists& lists) : mode_(mode), lists_(lists) {}

    // A new search starts from an empty list of its mode and no replies dropped.
    void Begin();
    // Appends the record of a reply from a printer not listed yet, with the address it
    // came from; tells what the datagram meant (a repeated MAC is Ignored).
    DiscoveryVerdict Take(std::span<const std::uint8_t> datagram, const std::string& from = {});

    // The replies of this search dropped as cut short, and the addresses they came from.
    int TruncatedReplies() const { return truncated_; }
    const std::set<std::string>& TruncatedFrom() const { return truncatedFrom_; }

private:
    template <class Record>
    DiscoveryVerdict Append(DeviceList<Record>& list, const std::optional<Record>& record, const std::string& from);

    LanMode mode_;
    LanDeviceLists& lists_;
    std::set<MacAddress> seen_;
    int truncated_ = 0;
    std::set<std::string> truncatedFrom_;
};

}  // namespace lanvane
