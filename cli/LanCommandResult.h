#pragma once

#include <string>

#include "cli/ExitStatus.h"

namespace lanvane::cli {

// What a LAN command did: its result (a text table or one JSON document) for the output
// stream, a message for the user, and the status the program ends with. A failure without
// output is reported as an error (with --json as the error document).
struct LanCommandResult {
    ExitStatus status = ExitStatus::Done;
    std::string output;
    std::string message;
};

}  // namespace lanvane::cli
