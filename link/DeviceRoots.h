#pragma once

#include <filesystem>

namespace lanvane {

// Where the system describes its devices and where it keeps their nodes: the places the
// device lists look unless told otherwise (tests and lanvane-cli's hidden options point them
// at a fake tree). Empty on a system that keeps no device tree in files.
std::filesystem::path DefaultSystemRoot();
std::filesystem::path DefaultDeviceRoot();

}  // namespace lanvane
