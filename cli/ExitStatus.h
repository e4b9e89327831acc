#pragma once

namespace lanvane::cli {

// What lanvane-cli's exit status tells a script.
enum class ExitStatus {
    Done = 0,
    PrinterFailed = 1,  // the printer refused or did not answer, or no printer answered a search
    Differ = 1,         // diff --exit-code: the two configurations differ
    BadUsage = 2,       // bad options or input, or a value the record rules refuse
    NoDevice = 3,       // the device cannot be found or opened, or the network cannot be used
    Internal = 4,       // a fault of lanvane-cli itself
};

}  // namespace lanvane::cli
