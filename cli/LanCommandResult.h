#pragma once

#include <string>

#include "cli/ErrorKind.h"
#include "cli/ExitStatus.h"

namespace lanvane::cli {

// What a LAN command did: its result (a text table or one JSON document) for the output
// stream, a message for the user, and the status the program ends with. A failure without
// output is reported as an error of its kind (with --json as the error document).
struct LanCommandResult {
    ExitStatus status = ExitStatus::Done;
    std::string output;
    std::string message;
    ErrorKind kind = ErrorKind::Internal;  // of a failure

    static LanCommandResult Failure(ErrorKind kind, std::string message) {
        return {StatusOf(kind), {}, std::move(message), kind};
    }
};

}  // namespace lanvane::cli
