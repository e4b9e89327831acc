#pragma once

#include <string>
#include <vector>

namespace lanvane::cli {

// The program's arguments in UTF-8, the program's name first. Where the system hands
// programs arguments in another encoding (Windows), they are read afresh from its own.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace lanvane::cli
