#include "cli/DeviceDiagnosis.h"

#include "cli/DeviceAccess.h"

#include <algorithm>
#include <cctype>

namespace lanvane::cli {
namespace {

ErrorKind KindOf(LinkFailure failure) {
    switch (failure) {
        case LinkFailure::NotFound: return ErrorKind::NotFound;
        case LinkFailure::Busy: return ErrorKind::Busy;
        case LinkFailure::PermissionDenied: return ErrorKind::PermissionDenied;
        case LinkFailure::LineNotReady: return ErrorKind::LineNotReady;
        case LinkFailure::NotADevice: return ErrorKind::NotADevice;
        case LinkFailure::TimedOut: return ErrorKind::NoReply;
        case LinkFailure::None:
        case LinkFailure::Refused:
        case LinkFailure::BadAddress:
        case LinkFailure::IoError: return ErrorKind::IoError;
    }
    return ErrorKind::IoError;
}

std::string Hint(ErrorKind kind, const std::string& path) {
    switch (kind) {
        case ErrorKind::NotFound: return "; 'lanvane-cli ports' lists the devices present";
        case ErrorKind::Busy: return "; another program holds it: close it (or the other lanvane) and try again";
        case ErrorKind::PermissionDenied: return PermissionHint(path);
        case ErrorKind::LineNotReady: return "; is the printer switched on and its cable connected?";
        case ErrorKind::NotADevice: return "; name a printer device such as " + std::string(ExampleDevices());
        default: return {};
    }
}

// The system's words, unless they only repeat the kind ("permission denied").
std::string SystemText(const LinkError& error) {
    std::string reason = error.reason;
    std::transform(reason.begin(), reason.end(), reason.begin(),
                   [](unsigned char character) { return static_cast<char>(std::tolower(character)); });
    return reason.empty() || reason == FailureText(error.kind) ? std::string() : " (" + error.reason + ")";
}

}  // namespace

DeviceDiagnosis DiagnoseOpen(const LinkError& error, const std::string& path) {
    const ErrorKind kind = error.Failed() ? KindOf(error.kind) : ErrorKind::IoError;
    const std::string failure = error.Failed() ? std::string(FailureText(error.kind)) : "failed";
    return {kind, "cannot open " + path + ": " + failure + SystemText(error) + Hint(kind, path)};
}

DeviceDiagnosis DiagnoseExchange(const LinkError& error, const std::string& path, std::string_view what) {
    if (!error.Failed() || error.kind == LinkFailure::TimedOut) {
        return {ErrorKind::NoReply, "no reply from the printer on " + path + " while " + std::string(what) +
                                        "; is it switched on and connected?"};
    }
    const ErrorKind kind = KindOf(error.kind);
    return {kind, "the link to " + path + " failed while " + std::string(what) + ": " +
                      std::string(FailureText(error.kind)) + SystemText(error) + Hint(kind, path)};
}

}  // namespace lanvane::cli
