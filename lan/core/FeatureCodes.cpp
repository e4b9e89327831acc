#include "lan/core/FeatureCodes.h"

namespace lanvane {

std::optional<FeatureButtons> FeatureButtonsFor(std::uint8_t featureCode) {
    switch (featureCode) {
    case 0:
    case 2:
        return FeatureButtons{};
    case 1:
    case 3:
        return FeatureButtons{.webConfig = true};
    case 4:
        return FeatureButtons{.certificateUpload = true};
    case 25:
        return FeatureButtons{.setting = true, .bssInfo = true, .webConfig = true};
    case 31:
        return FeatureButtons{.setting = true, .bssInfo = true, .certificateUpload = true, .webConfig = true};
    default:
        return std::nullopt;
    }
}

}  // namespace lanvane
