#pragma once

#include <string>
#include <string_view>

#include "cli/ErrorKind.h"
#include "link/LinkError.h"

namespace lanvane::cli {

// A failure on the printer's device in lanvane-cli's words: its kind, and one message
// that names the device, says what failed, gives the system's text and, where it helps,
// what to do.
struct DeviceDiagnosis {
    ErrorKind kind;
    std::string message;
};

// The device could not be opened. `path` is the device the user named.
DeviceDiagnosis DiagnoseOpen(const LinkError& error, const std::string& path);

// An exchange with an identified printer failed without a damaged answer: no reply, or
// the link failed under it. `what` names the exchange ("reading the configuration").
DeviceDiagnosis DiagnoseExchange(const LinkError& error, const std::string& path, std::string_view what);

}  // namespace lanvane::cli
