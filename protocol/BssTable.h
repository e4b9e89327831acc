#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lanvane {

constexpr std::size_t kBssTableSize = 100;
constexpr std::size_t kBssidSize = 6;

// One wireless network that the printer receives.
struct BssEntry {
    std::string ssid;                        // empty when the record has no SSID element
    std::array<std::uint8_t, kBssidSize> bssid{};  // all zero when it has no BSSID element
    std::uint8_t mode = 0;                   // 0 infrastructure, any other ad hoc
    std::int16_t rssi = 0;
    std::uint8_t security = 0;               // flag bits, see SecurityText

    bool HasBssid() const;
};

// The networks of one survey; the first entry without a BSSID ends the list.
using BssTable = std::array<BssEntry, kBssTableSize>;

// The six cells of a list row: number, SSID, BSSID, mode, signal, security.
using BssRow = std::array<std::string, 6>;

// "WEP64", "WEP128", "WPA", "WPA2", "RSN1", "RSN2" of the set flags joined by "/", or "No".
std::string SecurityText(std::uint8_t security);

// The words a row shows for the mode and for a network without security; windows pass
// those of their language.
struct BssWords {
    std::string_view infrastructure = "Infrastructure";
    std::string_view adhoc = "Ad hoc";
    std::string_view noSecurity = "No";
};

// The row for the entry at `index` (0-based; the row shows index + 1).
BssRow BssRowTexts(const BssEntry& entry, std::size_t index, const BssWords& words = {});

// The rows of the table up to its first entry without a BSSID.
std::vector<BssRow> FillBssList(const BssTable& table, const BssWords& words = {});

}  // namespace lanvane
