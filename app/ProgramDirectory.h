#pragma once

#include <filesystem>

namespace lanvane {

// The folder that holds the running program; empty when the system does not say.
std::filesystem::path ProgramDirectory();

}  // namespace lanvane
