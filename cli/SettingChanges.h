#pragma once

#include "lan/core/NetworkSettingRules.h"

#include <cstdint>
#include <optional>

namespace lanvane::cli {

// What set-ip changes on one printer, taken from its options or from a plan row; what is
// not given stays as the printer reported it.
struct SettingChanges {
    std::optional<std::uint32_t> ip;
    std::optional<std::uint32_t> mask;
    std::optional<std::uint32_t> gateway;
    std::optional<bool> dhcp;
    std::optional<long> port;
    std::optional<long> inactivity;
    std::optional<int> baudIndex;  // into kBaudTable
};

// The printer's values with the changes laid over them.
NetworkSettingValues LayOver(const SettingChanges& changes, NetworkSettingValues values);

}  // namespace lanvane::cli
