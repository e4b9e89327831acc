#pragma once

#include <cstdint>
#include <optional>

namespace lanvane {

// Which of the device list's actions a wireless printer offers.
struct FeatureButtons {
    bool setting = false;
    bool bssInfo = false;
    bool certificateUpload = false;
    bool webConfig = false;

    bool operator==(const FeatureButtons&) const = default;
};

// The buttons a WLAN record's feature code enables; nothing for a code outside the table,
// which leaves the buttons as they were.
std::optional<FeatureButtons> FeatureButtonsFor(std::uint8_t featureCode);

}  // namespace lanvane
