#pragma once

#include <optional>
#include <string_view>

namespace lanvane::scenario {

// The ids of resources/ResourceIds.h by their names there, without the leading "k":
// "ConnectButton" is 1016, "InterfaceConfig" 141. The table is made from that header when
// the build is configured, so a name added there can be written in a scenario at once.
std::optional<int> ControlIdNamed(std::string_view name);
std::optional<int> DialogIdNamed(std::string_view name);

}  // namespace lanvane::scenario
