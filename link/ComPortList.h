#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "link/DeviceRoots.h"

namespace lanvane {

// The names of the serial ports the system has (ttyS0, ttyUSB0, ... on Linux; COM1, COM3, ... on Windows), in
// natural order, for the window's Port list. `systemRoot` is where the system describes
// its devices; tests point it at a fake tree.
std::vector<std::string> ListComPorts(const std::filesystem::path& systemRoot = DefaultSystemRoot());

// The path that opens the port of a listed name.
std::string ComPortPath(const std::string& name);

}  // namespace lanvane
