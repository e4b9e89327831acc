#include "protocol/BssTable.h"

#include "protocol/AddressText.h"

#include <algorithm>
#include <string_view>

namespace lanvane {
namespace {

constexpr std::array<std::string_view, 6> kSecurityNames = {"WEP64", "WEP128", "WPA",
                                                           "WPA2",  "RSN1",   "RSN2"};

}  // namespace

bool BssEntry::HasBssid() const {
    return std::any_of(bssid.begin(), bssid.end(), [](std::uint8_t byte) { return byte != 0; });
}

std::string SecurityText(std::uint8_t security) {
    std::string text;
    for (std::size_t bit = 0; bit < kSecurityNames.size(); ++bit) {
        if ((static_cast<unsigned>(security) >> bit) & 1U) {
            if (!text.empty()) {
                text += '/';
            }
            text += kSecurityNames[bit];
        }
    }
    return text.empty() ? "No" : text;
}

BssRow BssRowTexts(const BssEntry& entry, std::size_t index, const BssWords& words) {
    std::string security = SecurityText(entry.security);
    if (security == SecurityText(0)) {
        security = words.noSecurity;
    }
    return {std::to_string(index + 1),
            entry.ssid,
            MacText(entry.bssid),
            std::string(entry.mode == 0 ? words.infrastructure : words.adhoc),
            std::to_string(entry.rssi),
            security};
}

std::vector<BssRow> FillBssList(const BssTable& table, const BssWords& words) {
    std::vector<BssRow> rows;
    for (std::size_t index = 0; index < table.size() && table[index].HasBssid(); ++index) {
        rows.push_back(BssRowTexts(table[index], index, words));
    }
    return rows;
}

}  // namespace lanvane
