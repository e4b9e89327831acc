#pragma once

#include "cli/LanCommandResult.h"
#include "cli/LanCommonOptions.h"
#include "resources/StringTable.h"

#include <optional>
#include <string>

namespace lanvane::cli {

// set-ip: what to change on the printer with this MAC; what is not given stays as the
// printer reported it.
struct SetIpOptions {
    LanCommonOptions lan;
    std::string mac;
    std::optional<std::string> ip{};
    std::optional<std::string> mask{};
    std::optional<std::string> gateway{};
    std::optional<bool> dhcp{};
    std::optional<long> port{};
    std::optional<long> inactivity{};
    std::optional<int> baud{};
    bool dryRun = false;
};

// Searches, edits the printer's record under the setting dialog's rules, sends it and
// waits for the confirmation. Nothing is sent when the search reply already shows the
// wanted settings, when another printer found holds the wanted fixed address, or for a
// dry run.
LanCommandResult RunSetIp(const SetIpOptions& options, const StringTable& strings);

}  // namespace lanvane::cli
