#pragma once

#include <filesystem>
#include <string>

namespace lanvane::cli {

// Whether this user may read and write the device file.
bool MayOpen(const std::filesystem::path& device);

// The name of the group that owns the file (its number when it has no name); empty when
// the file cannot be looked at.
std::string OwningGroup(const std::filesystem::path& path);

}  // namespace lanvane::cli
