#pragma once

namespace lanvane::rules {

// The pages of the configuration window, by tab index.
enum class ConfigPage {
    systemInformation = 0,
    protocol = 1,
    bssInformation = 2,
    network = 3,
    authentication = 4,
    certification = 5,
};

}  // namespace lanvane::rules
