#pragma once

#include <string>
#include <string_view>

namespace lanvane {

// Why a link operation failed, in kinds a person or a script can act on.
enum class LinkFailure {
    None,
    NotFound,          // no such device, or nothing at that address
    Busy,              // held by another program, or by another open in this one
    PermissionDenied,  // the user may not open it
    LineNotReady,      // the printer's CTS or DSR line is off
    NotADevice,        // a regular file, FIFO or directory, or a device of another kind
    TimedOut,          // nothing came, or the device did not take the data, in time
    Refused,           // the printer refused the connection
    BadAddress,        // not a dotted-decimal IPv4 address
    IoError,           // any other failure the system reported
};

// One failed link operation: what was tried on what, and the system's own words for why.
struct LinkError {
    LinkFailure kind = LinkFailure::None;
    std::string operation;  // open, read, write, connect, send, receive, bind
    std::string target;     // the device path, or the address and port
    std::string reason;     // the system's error text, or what the line showed

    bool Failed() const { return kind != LinkFailure::None; }
};

// The kind in a few words: "not found", "busy (held by another program)", ...
std::string_view FailureText(LinkFailure kind);

// One line for a message or a log: "cannot open /dev/usb/lp0: busy (held by another
// program): Device or resource busy". Empty when nothing failed.
std::string Describe(const LinkError& error);

}  // namespace lanvane
