#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lanvane::sim {

// Why `path` cannot take a private file, in words that follow the path; nothing when it can.
// Asked before the simulator starts, so that a bad path is not found only when it ends: the
// path must be a writable regular file or a new name in a writable folder (a FIFO or device
// would block the exit or take the keys somewhere else).
std::optional<std::string> PrivateFileRefusal(const std::string& path);

// Writes `text` to `path` readable and writable by the owner only (0600), also when the
// file was there before with wider rights: what the simulator dumps holds keys and
// passwords. False when the file cannot be written whole or is no regular file.
bool WritePrivateFile(const std::string& path, std::string_view text);

}  // namespace lanvane::sim
