#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace lanvane::sysfs {

// The first line of a sysfs attribute file without surrounding white space; nothing when
// the file cannot be read.
std::optional<std::string> ReadValue(const std::filesystem::path& file);

}  // namespace lanvane::sysfs
