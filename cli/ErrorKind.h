#pragma once

#include <string_view>

#include "cli/ExitStatus.h"

namespace lanvane::cli {

// What went wrong, as a script tells it apart: the "kind" of a JSON error document.
enum class ErrorKind {
    Usage,             // the command line
    InvalidValue,      // a field value, or the record rules
    InvalidFile,       // an input file: unreadable, of the wrong type or size, not JSON, not PEM
    NotFound,          // the device or printer is not there
    Busy,              // another program holds the device or port
    PermissionDenied,  // the user may not open the device
    LineNotReady,      // the serial line's printer is off or not connected
    NotADevice,        // the path names no printer device
    IoError,           // the system failed otherwise
    NoReply,           // the printer did not answer in time
    WrongMaker,        // a printer of another maker answered
    Checksum,          // an answer came damaged
    PrinterRefused,    // the printer answered but refused
    NothingFound,      // no printer answered a LAN search
    Internal,          // a fault of lanvane-cli itself
};

// "usage", "invalid-value", ... as the JSON documents name it.
std::string_view ErrorKindName(ErrorKind kind);

// The exit status a failure of this kind ends the program with.
ExitStatus StatusOf(ErrorKind kind);

}  // namespace lanvane::cli
