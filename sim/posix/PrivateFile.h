#pragma once

#include <string>
#include <string_view>

namespace lanvane::sim {

// Writes `text` to `path` readable and writable by the owner only (0600), also when the
// file was there before with wider rights: what the simulator dumps holds keys and
// passwords. False when the file cannot be written whole.
bool WritePrivateFile(const std::string& path, std::string_view text);

}  // namespace lanvane::sim
