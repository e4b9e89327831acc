#include "cli/ProgramArguments.h"

namespace lanvane::cli {

// The arguments are the user's bytes, UTF-8 in any current locale.
std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

}  // namespace lanvane::cli
