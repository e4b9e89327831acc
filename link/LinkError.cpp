#include "link/LinkError.h"

namespace lanvane {

std::string_view FailureText(LinkFailure kind) {
    switch (kind) {
        case LinkFailure::None: return "no failure";
        case LinkFailure::NotFound: return "not found";
        case LinkFailure::Busy: return "busy (held by another program)";
        case LinkFailure::PermissionDenied: return "permission denied";
        case LinkFailure::LineNotReady: return "line not ready";
        case LinkFailure::NotADevice: return "not a device";
        case LinkFailure::TimedOut: return "timed out";
        case LinkFailure::Refused: return "refused";
        case LinkFailure::BadAddress: return "not an IPv4 address";
        case LinkFailure::IoError: return "input/output error";
    }
    return "unknown failure";
}

std::string Describe(const LinkError& error) {
    if (!error.Failed()) {
        return {};
    }
    std::string text = "cannot " + error.operation;
    if (!error.target.empty()) {
        text += ' ' + error.target;
    }
    text += ": ";
    text += FailureText(error.kind);
    if (!error.reason.empty()) {
        text += ": " + error.reason;
    }
    return text;
}

}  // namespace lanvane
