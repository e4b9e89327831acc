#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace lanvane::posix {

// The first line of a sysfs attribute file without surrounding white space; nothing when
// the file cannot be read.
std::optional<std::string> ReadSysfsValue(const std::filesystem::path& file);

}  // namespace lanvane::posix
