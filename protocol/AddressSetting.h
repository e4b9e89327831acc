#pragma once

#include <cstdint>

#include "protocol/InterfaceConfig.h"

namespace lanvane {

// A printer's IPv4 setting as its record holds it, first octet in the high byte.
struct AddressSetting {
    bool dhcp = false;
    std::uint32_t ip = 0;
    std::uint32_t mask = 0;
    std::uint32_t gateway = 0;

    bool operator==(const AddressSetting&) const = default;
};

AddressSetting AddressSettingOf(const InterfaceConfig& config);

}  // namespace lanvane
