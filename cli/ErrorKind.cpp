#include "cli/ErrorKind.h"

namespace lanvane::cli {

std::string_view ErrorKindName(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::Usage: return "usage";
        case ErrorKind::InvalidValue: return "invalid-value";
        case ErrorKind::InvalidFile: return "invalid-file";
        case ErrorKind::NotFound: return "not-found";
        case ErrorKind::Busy: return "busy";
        case ErrorKind::PermissionDenied: return "permission-denied";
        case ErrorKind::LineNotReady: return "line-not-ready";
        case ErrorKind::NotADevice: return "not-a-device";
        case ErrorKind::IoError: return "io-error";
        case ErrorKind::NoReply: return "no-reply";
        case ErrorKind::WrongMaker: return "wrong-maker";
        case ErrorKind::Checksum: return "checksum";
        case ErrorKind::PrinterRefused: return "printer-refused";
        case ErrorKind::NothingFound: return "nothing-found";
        case ErrorKind::Internal: return "internal";
    }
    return "internal";
}

ExitStatus StatusOf(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::Usage:
        case ErrorKind::InvalidValue:
        case ErrorKind::InvalidFile: return ExitStatus::BadUsage;
        case ErrorKind::NotFound:
        case ErrorKind::Busy:
        case ErrorKind::PermissionDenied:
        case ErrorKind::LineNotReady:
        case ErrorKind::NotADevice:
        case ErrorKind::IoError: return ExitStatus::NoDevice;
        case ErrorKind::NoReply:
        case ErrorKind::WrongMaker:
        case ErrorKind::Checksum:
        case ErrorKind::PrinterRefused:
        case ErrorKind::NothingFound: return ExitStatus::PrinterFailed;
        case ErrorKind::Internal: return ExitStatus::Internal;
    }
    return ExitStatus::Internal;
}

}  // namespace lanvane::cli
